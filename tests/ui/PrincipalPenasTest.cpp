#include "core/Session.h"
#include "penas/gui/GestorTab.h"
#include "platform/Clock.h"
#include "support/FakeDialogs.h"
#include "support/TestFolder.h"
#include "ui/GeneralTab.h"
#include "ui/Principal.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTreeWidget>
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

    Principal w(s);
    EXPECT_EQ(w.sstab1()->widget(2)->objectName(), QStringLiteral("SSTab1_2"));
    EXPECT_EQ(w.sstab1()->tabText(2), QStringLiteral("Gestor de peñas"));
    EXPECT_EQ(w.sstab1()->widget(4)->objectName(), QStringLiteral("SSTab1_4"));

    auto* general = w.findChild<QMenu*>(QStringLiteral("MenuGeneral"));
    ASSERT_NE(general, nullptr);
    const QList<QAction*> acciones = general->actions();
    const auto nombre = [](QAction* a) { return a->objectName(); };
    ASSERT_GE(acciones.size(), 2);
    EXPECT_EQ(nombre(acciones.at(acciones.size() - 2)), QStringLiteral("Crearp"));
    EXPECT_EQ(acciones.at(acciones.size() - 2)->text(), QStringLiteral("Crear peña nueva"));
    EXPECT_EQ(nombre(acciones.last()), QStringLiteral("salir"));

    w.resumen();
    EXPECT_EQ(w.general()->label9(2)->text(), QStringLiteral("1"));
    EXPECT_EQ(s.sigPena, 2);
    auto* lista = w.gestor()->findChild<QTreeWidget*>(QStringLiteral("ListView1"));
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(lista->topLevelItem(0)->text(0).trimmed(), QStringLiteral("UNA"));
    s.files.cerrarTodos();
}
