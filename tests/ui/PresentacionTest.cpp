#include "ui/Presentacion.h"

#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(Presentacion, EightPicturesThenEntrar) {
    Presentacion p;
    p.timer1().stop(); // ticks are driven by hand
    EXPECT_EQ(p.windowTitle(), QStringLiteral("Presentación"));
    const QImage primera = p.picture().toImage();
    EXPECT_FALSE(primera.isNull());
    auto* entrar = p.findChild<QPushButton*>(QStringLiteral("Command1"));
    ASSERT_NE(entrar, nullptr);
    EXPECT_EQ(entrar->text(), QStringLiteral("Entrar"));
    for (int i = 0; i < 7; ++i)
        p.Timer1_Timer();
    EXPECT_TRUE(entrar->isHidden());
    EXPECT_EQ(p.fotograma(), 8);
    EXPECT_NE(p.picture().toImage(), primera); // the animation moved on
    p.Timer1_Timer();
    EXPECT_FALSE(entrar->isHidden());
    EXPECT_EQ(p.fotograma(), 10);
}

TEST(Presentacion, EntersByItselfOnTheFiftyEighthTick) {
    Presentacion p;
    QSignalSpy spy(&p, &Presentacion::entrar);
    for (int i = 0; i < 57; ++i)
        p.Timer1_Timer();
    EXPECT_EQ(spy.count(), 0);
    p.Timer1_Timer();
    EXPECT_EQ(spy.count(), 1);
    EXPECT_FALSE(p.timer1().isActive());
}

TEST(Presentacion, EarlyClickEntersOnceAndStopsTheTimer) {
    Presentacion p;
    QSignalSpy spy(&p, &Presentacion::entrar);
    p.Timer1_Timer();
    p.Command1_Click();
    EXPECT_EQ(spy.count(), 1);
    EXPECT_FALSE(p.timer1().isActive());
    p.Command1_Click();
    EXPECT_EQ(spy.count(), 1);
}

// The running timer itself drives the animation to the end (its 150 ms shortened here).
TEST(Presentacion, RealTimerRunsEvery150ms) {
    Presentacion p;
    EXPECT_TRUE(p.timer1().isActive());
    EXPECT_EQ(p.timer1().interval(), 150);
    p.timer1().setInterval(1);
    QSignalSpy spy(&p, &Presentacion::entrar);
    EXPECT_TRUE(spy.wait(5000));
    EXPECT_EQ(p.tiempo(), 60);
}
