#include "stats/gui/EstadisticasTab.h"
#include "stats/SeleccionEstadisticas.h"
#include "stats/gui/FiltrosPaso1.h"
#include "stats/gui/GraficaFrecuencias.h"
#include "stats/gui/ModeloSorteos.h"
#include "support/SesionPrueba.h"
#include "ui/GeneralTab.h"
#include "ui/Principal.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

using F = FiltrosEstadisticas;

struct TabEstadisticas : ::testing::Test, SesionPrueba {
    TabEstadisticas() : SesionPrueba(QDate(2026, 8, 20)) {
        dir.conTablas();
        dir.conBase();
        QFile f(QStringLiteral(VELMORAT_TEST_DATA "/numeros-historia.dat"));
        f.open(QIODevice::ReadOnly);
        historia = f.readAll();
        dir.write(QStringLiteral("numeros.dat"), historia);
        w.Form_Load();
        tab = w.estadisticas();
    }
    void click(QCheckBox* c) { QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(4, c->height() / 2)); }
    int filas() const { return tab->modelo()->rowCount(); }

    QByteArray historia;
    Principal w{s, dir.path()};
    EstadisticasTab* tab = nullptr;
};

} // namespace

TEST_F(TabEstadisticas, BoxesOnBothTabsDriveOneSelection) {
    const int todos = int(historia.size() / RegSorteo::kSize);
    EXPECT_EQ(tab->label7()->text(), QStringLiteral("TOTAL: %1 sorteos.").arg(todos));
    EXPECT_EQ(filas(), todos);
    EXPECT_FALSE(w.filtrosPaso1()->label21()->text().isEmpty());
    EXPECT_EQ(tab->msChart1()->serie()->count(), 1);

    // Unticking Monday in the wizard unticks it here too and recounts.
    int lunes = 0;
    for (int i = 0; i < todos; ++i)
        lunes += QDate(1899, 12, 30)
                     .addDays(qint64(RegSorteo::decode(historia.mid(i * 32, 32)).fecha))
                     .dayOfWeek() == 1;
    click(w.filtrosPaso1()->check3(F::LunesPaso1));
    EXPECT_FALSE(tab->check3(F::Lunes)->isChecked());
    EXPECT_EQ(filas(), todos - lunes);

    click(tab->check3(F::Comparativa));
    EXPECT_TRUE(tab->check3(F::Lunes)->isChecked());
    EXPECT_TRUE(w.filtrosPaso1()->check3(F::LunesPaso1)->isChecked());
    EXPECT_FALSE(tab->check3(F::Lunes)->isEnabled());
    EXPECT_FALSE(tab->frame5()->isHidden());
    const QList<QBarSet*> sets = tab->msChart1()->serie()->barSets();
    ASSERT_EQ(sets.size(), 3);
    EXPECT_EQ(sets[2]->label(), QStringLiteral("Sábado"));

    // Unticking "Todos" shows both sliders; moving one moves the other.
    click(tab->check3(F::Todos));
    EXPECT_FALSE(tab->slider1()->isHidden());
    EXPECT_TRUE(w.filtrosPaso1()->check3(F::UltimoMesPaso1)->isChecked());
    w.filtrosPaso1()->slider1()->setValue(12);
    EXPECT_EQ(tab->slider1()->value(), 12);
    EXPECT_EQ(tab->check3(F::UltimoMes)->text(), QStringLiteral("Últimos 12 meses"));
    EXPECT_EQ(tab->label7()->text(), w.seleccion()->label7());
    EXPECT_LT(filas(), 200);
}

// Moving through the list with the keyboard never asks; Enter on a row deletes the draw it
// shows, also under a weekday filter.
TEST_F(TabEstadisticas, DeletingARowUnderAFilterRemovesThatDraw) {
    click(tab->check3(F::Jueves));
    click(tab->check3(F::Sabado)); // Mondays only
    tab->mantenimiento().modoBorrar = 1;
    QTreeView* lista = tab->listView3();
    lista->setFocus();
    lista->setCurrentIndex(tab->modelo()->index(0, 0));
    QTest::keyClick(lista, Qt::Key_Down);
    QTest::keyClick(lista, Qt::Key_Down);
    EXPECT_TRUE(dialogs.boxes.isEmpty());
    const int antes = filas();
    const SorteoListado elegido = *tab->modelo()->sorteo(2);
    QTest::keyClick(lista, Qt::Key_Return);
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].text, QStringLiteral("¿Seguro que quieres eliminar este sorteo?"));
    EXPECT_EQ(filas(), antes - 1);
    QByteArray esperado = historia;
    esperado.remove(qint64(elegido.registro - 1) * 32, 32);
    EXPECT_EQ(dir.read(QStringLiteral("numeros.dat")), esperado);
    EXPECT_EQ(s.sigSorteo, int(esperado.size() / 32) + 1);

    // The rows above it now show one record lower: deleting the newest still finds it.
    dialogs.answers = {Dialogs::Answer::Yes};
    tab->ListView3_ItemClick(0);
    esperado.chop(32);
    EXPECT_EQ(dir.read(QStringLiteral("numeros.dat")), esperado);
}

TEST_F(TabEstadisticas, ActivationPutsTheChartBackOnItsFirstPage) {
    tab->hScroll2()->setValue(2);
    w.general()->hScroll1()->setValue(3);
    w.Form_Activate();
    EXPECT_EQ(tab->hScroll2()->value(), 1);
}
