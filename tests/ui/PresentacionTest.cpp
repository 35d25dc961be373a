#include "ui/Presentacion.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <tuple>

// Eight pictures, then "Entrar"; the window enters by itself on the 58th tick, and only once.
TEST(Presentacion, EightPicturesThenEntrarThenEntersOnce) {
    Presentacion p;
    QSignalSpy spy(&p, &Presentacion::entrar);
    const QImage primera = p.picture().toImage();
    EXPECT_FALSE(primera.isNull());
    auto* entrar = p.findChild<QPushButton*>(QStringLiteral("Command1"));
    for (int i = 0; i < 7; ++i)
        p.Timer1_Timer();
    EXPECT_EQ(std::tuple(entrar->isHidden(), p.fotograma()), std::tuple(true, 8));
    EXPECT_NE(p.picture().toImage(), primera); // the animation moved on
    p.Timer1_Timer();
    EXPECT_EQ(std::tuple(entrar->isHidden(), p.fotograma()), std::tuple(false, 10));
    for (int i = 8; i < 57; ++i)
        p.Timer1_Timer();
    EXPECT_EQ(spy.count(), 0);
    p.Timer1_Timer();
    EXPECT_EQ(std::tuple(spy.count(), p.timer1().isActive()), std::tuple(1, false));
    EXPECT_EQ((p.Command1_Click(), spy.count()), 1);
}

// An early click enters at once; the running timer itself drives the animation to the end
// (its interval shortened here).
TEST(Presentacion, EarlyClickOrTheRunningTimerEnters) {
    Presentacion p;
    QSignalSpy spy(&p, &Presentacion::entrar);
    p.Timer1_Timer();
    p.Command1_Click();
    EXPECT_EQ(std::tuple(spy.count(), p.timer1().isActive()), std::tuple(1, false));

    // Once shown, "Entrar" holds the focus and Return presses it.
    Presentacion r;
    QSignalSpy spyR(&r, &Presentacion::entrar);
    r.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&r));
    for (int i = 0; i < 8; ++i)
        r.Timer1_Timer();
    ASSERT_EQ(QApplication::focusWidget(), r.findChild<QPushButton*>(QStringLiteral("Command1")));
    EXPECT_EQ((QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return), spyR.count()), 1);

    Presentacion q;
    q.timer1().setInterval(1);
    QSignalSpy spyQ(&q, &Presentacion::entrar);
    EXPECT_TRUE(spyQ.wait(5000));
    EXPECT_EQ(q.tiempo(), 60);
}
