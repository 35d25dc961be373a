#include "core/Session.h"
#include "penas/gui/GestorTab.h"
#include "platform/Clock.h"
#include "support/FakeDialogs.h"
#include "support/TestFolder.h"
#include "ui/GeneralTab.h"
#include "ui/Principal.h"

#include "checking/gui/PanelResultados.h"
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTreeWidget>

#include <QComboBox>
#include <gtest/gtest.h>

TEST(PrincipalPenas, PagesMenuAndSummaryReloadTheList) {
    TestFolder t;
    t.conBase();
    FakeDialogs d;
    FixedClock c(QDate(2026, 12, 5));
    Session s(d, c);
    s.rutaApp = t.rutaApp();
    s.files.abrir(s.rutaApp);
    RegPena p;
    p.nombre = QStringLiteral("UNA");
    p.numApuestas = 1;
    p.dias = QStringLiteral("Lunes");
    s.files.apuestas.put(1, p);

    Principal w(s, t.path());
    EXPECT_EQ(w.sstab1()->widget(2)->objectName(), QStringLiteral("SSTab1_2"));
    EXPECT_EQ(w.sstab1()->tabText(2), QStringLiteral("Gestor de peñas"));
    EXPECT_EQ(w.sstab1()->widget(4)->objectName(), QStringLiteral("SSTab1_4"));

    auto* general = w.findChild<QMenu*>(QStringLiteral("MenuGeneral"));
    ASSERT_NE(general, nullptr);
    const QList<QAction*> acciones = general->actions();
    const auto nombre = [](QAction* a) { return a->objectName(); };
    QStringList orden;
    for (QAction* a : acciones)
        if (!a->isSeparator())
            orden << (a->menu() ? a->menu()->objectName() : nombre(a));
    EXPECT_EQ(orden, (QStringList{QStringLiteral("Baja"), QStringLiteral("Crearp"), QStringLiteral("borrpe"),
                                  QStringLiteral("sen"), QStringLiteral("Mult"), QStringLiteral("salir")}));
    ASSERT_GE(acciones.size(), 2);
    EXPECT_EQ(acciones.at(1)->text(), QStringLiteral("Crear peña nueva"));

    w.resumen();
    EXPECT_EQ(w.general()->label9(2)->text(), QStringLiteral("1"));
    // The results chooser holds the peña list's entries: entry k is record k.
    QComboBox* combo2 = w.resultados()->combo2();
    ASSERT_EQ(combo2->count(), 2);
    EXPECT_EQ(combo2->itemText(0), QStringLiteral("TODAS LAS PEÑAS"));
    EXPECT_EQ(combo2->itemText(1).trimmed(), QStringLiteral("UNA"));
    EXPECT_EQ(combo2->currentIndex(), -1);
    EXPECT_EQ(s.sigPena, 2);
    auto* lista = w.gestor()->findChild<QTreeWidget*>(QStringLiteral("ListView1"));
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(lista->topLevelItem(0)->text(0).trimmed(), QStringLiteral("UNA"));
    s.files.cerrarTodos();
}
