#include "checking/gui/PanelResultados.h"
#include "core/OleDate.h"
#include "penas/gui/GestorTab.h"
#include "support/SesionPrueba.h"
#include "ui/GeneralTab.h"
#include "ui/Principal.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

struct Resultados : ::testing::Test, SesionPrueba {
    Resultados() : SesionPrueba(QDate(2026, 12, 6)) {
        dir.conTablas();
        QByteArray sorteos;
        for (int d : {3, 5}) {
            RegSorteo r;
            r.bolas = {1, 2, 3, 30, 31, 32, 40, 8};
            r.fecha = oledate::fromYmd(2026, 12, d);
            sorteos += r.encode();
        }
        dir.write(QStringLiteral("numeros.dat"), sorteos);
        RegPena p;
        p.nombre = QStringLiteral("OFICINA").leftJustified(20);
        p.dias = QStringLiteral("Todos (L+J+S)").leftJustified(15);
        p.fecha = oledate::fromYmd(2026, 12, 1);
        p.numApuestas = 1;
        p.apuestas[0] = {1, 2, 3, 4, 5, 6};
        dir.write(QStringLiteral("apuestas.dat"), p.encode());
    }
    RegPena pena() { return RegPena::decode(dir.read(QStringLiteral("apuestas.dat"))); }
};

} // namespace

TEST_F(Resultados, LoadChecksTheDrawsOnTheScrollBarAndShowsTheSimpleList) {
    Principal w(s, dir.path());
    ASSERT_TRUE(w.Form_Load());
    PanelResultados* panel = w.resultados();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->parentWidget(), w.general());
    EXPECT_EQ(panel->listView(0)->model()->rowCount(), 4); // the newest draw: the scroll bar stands at 1
    EXPECT_FALSE(panel->listView(0)->isHidden());
    EXPECT_EQ(pena().acierto(3), 2); // both stored draws since its creation, though one is listed
    // The peñas tab shows the counters the check just stored, without a click.
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("Label13"))->text(), QStringLiteral("2"));
    EXPECT_EQ(pena().fecha2, oledate::fromYmd(2026, 12, 5));
    // The summary, the peña list and the results chooser are filled from the peñas file.
    EXPECT_EQ(w.general()->label9(2)->text(), QStringLiteral("1"));
    EXPECT_EQ(s.sigPena, 2);
    auto* lista = w.gestor()->findChild<QTreeWidget*>(QStringLiteral("ListView1"));
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(lista->topLevelItem(0)->text(0).trimmed(), QStringLiteral("OFICINA"));
    ASSERT_EQ(panel->combo2()->count(), 2); // entry k is record k
    EXPECT_EQ(panel->combo2()->itemText(1).trimmed(), QStringLiteral("OFICINA"));
}

TEST_F(Resultados, ActivationAfterASavedPeñaRefreshesTheNewestDraw) {
    Principal w(s, dir.path());
    ASSERT_TRUE(w.Form_Load());
    w.general()->hScroll1()->setValue(2);
    EXPECT_EQ(w.resultados()->listView(0)->model()->rowCount(), 8);
    s.penasCambiadas = 1;
    w.Form_Activate();
    EXPECT_EQ(w.general()->hScroll1()->value(), 1);
    EXPECT_EQ(w.resultados()->listView(0)->model()->rowCount(), 4);
    EXPECT_EQ(w.resultados()->combo2()->currentIndex(), -1);
    EXPECT_EQ(s.penasCambiadas, 0);
}

TEST_F(Resultados, TabChangeStopsTheBlink) {
    Principal w(s, dir.path());
    ASSERT_TRUE(w.Form_Load());
    w.resultados()->setConpremio(1);
    w.resultados()->timer3().start();
    w.resultados()->Timer3_Timer();
    EXPECT_EQ(w.resultados()->command1(0)->text(), QStringLiteral("P R E M I O"));
    w.sstab1()->setCurrentIndex(2);
    EXPECT_FALSE(w.resultados()->timer3().isActive());
    EXPECT_EQ(w.resultados()->command1(0)->text(), QStringLiteral("S E N C I L L A"));
}
