#include "Escenario.h"
#include "checking/gui/PanelResultados.h"
#include "support/RecordingPrinter.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <gtest/gtest.h>

namespace {

// The panel with the General tab's scroll bar and boxes, and the download strip's controls.
class PanelVacio : public ::testing::Test, public Escenario {
  protected:
    PanelVacio() {
        hScroll1 = new QScrollBar(Qt::Horizontal, &ventana);
        hScroll1->setRange(1, 1);
        text3 = new QLineEdit(QStringLiteral("1"), &ventana);
        check1 = new QCheckBox(&ventana);
        check2 = new QCheckBox(&ventana);
        label59 = new QLabel(&ventana);
        progressBar1 = new QProgressBar(&ventana);
        panel = new PanelResultados(s, hScroll1, text3, check1, check2, &ventana);
        panel->usarControlesDescarga(label59, progressBar1);
        panel->usarImpresora(&impresion);
        QObject::connect(panel, &PanelResultados::estadisticasPedidas, [this] { ++estadisticas; });
    }
    QWidget ventana;
    QScrollBar* hScroll1;
    QLineEdit* text3;
    QCheckBox *check1, *check2;
    QLabel* label59;
    QProgressBar* progressBar1;
    PanelResultados* panel;
    FakePrintService impresion;
    int estadisticas = 0;
};

// Two draws, a peña of simple bets and one of a multiple bet.
struct Panel : PanelVacio {
    Panel() {
        sorteo(kJue(), {1, 2, 3, 30, 31, 32}, 40);
        sorteo(kSab(), {1, 2, 3, 30, 31, 32}, 40);
        pena(QStringLiteral("S"), kTodos, kJue(), {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
        pena(QStringLiteral("M"), kTodos, kJue(), {{1, 2, 3, 4, 5, 6, 7}}, 501);
        hScroll1->setMaximum(2);
    }
};

} // namespace

TEST_F(Panel, ModelsFollowTheChecksAndPassTheModelTester) {
    QAbstractItemModelTester t2(panel->listView(0)->model(),
                                QAbstractItemModelTester::FailureReportingMode::Warning);
    QAbstractItemModelTester t4(panel->listView(1)->model(),
                                QAbstractItemModelTester::FailureReportingMode::Warning);
    hScroll1->setValue(2);
    EXPECT_EQ((std::tuple{text3->text(), estadisticas}), (std::tuple{QStringLiteral("2"), 1}));
    QAbstractItemModel* m2 = panel->listView(0)->model();
    ASSERT_EQ(m2->rowCount(), 10);
    // Headers of the comment and the first number, a comment.
    EXPECT_EQ((QStringList{m2->headerData(7, Qt::Horizontal).toString(),
                           m2->headerData(1, Qt::Horizontal).toString(), m2->index(3, 7).data().toString()}),
              (QStringList{"Comentario", "1", "¡¡ Premio !! Has acertado 3 números."}));
    EXPECT_EQ(m2->index(3, 1).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    EXPECT_FALSE(m2->index(3, 4).data(Qt::ForegroundRole).isValid());
    EXPECT_EQ((std::tuple{panel->listView(1)->model()->rowCount(), panel->progressBar2()->value()}),
              (std::tuple{8, 0}));
}

TEST_F(PanelVacio, SwitchButtonsAndBlink) {
    EXPECT_FALSE(panel->listView(0)->isHidden());
    panel->command1(1)->click();
    EXPECT_EQ((std::tuple{panel->listView(0)->isHidden(), panel->listView(1)->isHidden()}),
              (std::tuple{true, false}));

    label59->setText(QStringLiteral("2 sorteos"));
    panel->setConpremio(3);
    panel->timer3().start();
    const auto botones = [&] { return QStringList{panel->command1(0)->text(), panel->command1(1)->text()}; };
    panel->Timer3_Timer();
    EXPECT_EQ(botones(), (QStringList{"P R E M &I O", "P R E &M I O"}));
    panel->Timer3_Timer();
    EXPECT_EQ(botones(), (QStringList{"S E N C &I L L A", "&M Ú L T I P L E"}));
    panel->setConpremio(2);
    panel->Timer3_Timer();
    EXPECT_EQ(botones(), (QStringList{"S E N C &I L L A", "P R E &M I O"}));
    EXPECT_EQ(panel->command1(1)->palette().color(QPalette::Button), QColor(255, 0, 0));
    // A click on the list already shown changes nothing but stops the blink.
    panel->command1(1)->click();
    EXPECT_EQ((std::tuple{panel->timer3().isActive(), panel->command1(1)->text(), label59->text(),
                          panel->listView(1)->isHidden()}),
              (std::tuple{false, QStringLiteral("&M Ú L T I P L E"), QString(), false}));
}

TEST_F(Panel, MenuEntriesSetTheFiltersInOrder) {
    QMenu general;
    QAction* salir = general.addAction(QStringLiteral("Salir"));
    QTabWidget tabs;
    tabs.addTab(new QWidget, QStringLiteral("General"));
    tabs.addTab(new QWidget, QStringLiteral("Otra"));
    tabs.setCurrentIndex(1);
    panel->agregarMenus(&general, salir, &tabs);
    EXPECT_EQ(general.actions().last(), salir);
    auto accion = [&](const char* n) { return general.findChild<QAction*>(QString::fromLatin1(n)); };
    for (const char* n : {"sencillas", "verpremio", "verhisto", "verprehi", "Multiples", "verpremiom",
                          "verhistom", "verpreim"})
        ASSERT_NE(accion(n), nullptr) << n;
    EXPECT_EQ(accion("verhistom")->text().remove(u'&'),
              QStringLiteral("Histórico (resultados sorteos anteriores a la fecha de creacón de las peñas)"));

    accion("verpremiom")->trigger();
    // One refresh: only Check2 changed.
    EXPECT_EQ((std::tuple{tabs.currentIndex(), panel->listView(1)->isHidden(), check2->isChecked(),
                          check1->isChecked(), estadisticas}),
              (std::tuple{0, false, true, false, 1}));
    accion("verpremiom")->trigger();
    EXPECT_EQ(estadisticas, 1);
    accion("verhisto")->trigger();
    EXPECT_EQ(
        (std::tuple{panel->listView(0)->isHidden(), check2->isChecked(), check1->isChecked(), estadisticas}),
        (std::tuple{false, false, true, 3}));
}

TEST_F(Panel, ANewPrizeBlinksAndTheChooserListsOnePeña) {
    // A new prize after a download starts the blink.
    label59->setText(QStringLiteral("1 sorteo"));
    panel->listasencillas(1);
    EXPECT_EQ((std::tuple{panel->timer3().isActive(), panel->conpremio()}), (std::tuple{true, 3}));
    panel->llenarCombo2({QStringLiteral("TODAS LAS PEÑAS"), QStringLiteral("S").leftJustified(20),
                         QStringLiteral("M").leftJustified(20)});
    EXPECT_EQ(panel->combo2()->currentIndex(), -1);
    panel->combo2()->setCurrentIndex(2);
    panel->Combo2_Click();
    // The multiple peña's list comes forward.
    EXPECT_EQ((std::tuple{panel->listView(1)->isHidden(), panel->listView(0)->model()->rowCount(),
                          panel->listView(1)->model()->rowCount(), panel->comprobacion().penaelegida}),
              (std::tuple{false, 0, 4, 0}));
}

// The scroll bar refreshes, but not during a download.
TEST_F(Panel, RefreshOfTheNewestDraw) {
    hScroll1->setValue(2);
    EXPECT_EQ(estadisticas, 1);
    panel->refrescarUltimoSorteo(); // through the scroll bar's change
    EXPECT_EQ((std::tuple{hScroll1->value(), estadisticas, panel->listView(0)->model()->rowCount()}),
              (std::tuple{1, 2, 5}));
    panel->refrescarUltimoSorteo(); // directly, without the statistics
    EXPECT_EQ((std::tuple{estadisticas, panel->listView(1)->model()->rowCount()}), (std::tuple{2, 4}));
    progressBar1->setMaximum(5);
    progressBar1->setValue(3);
    hScroll1->setValue(2);
    EXPECT_EQ((std::tuple{text3->text(), estadisticas}), (std::tuple{QStringLiteral("2"), 2}));
}

TEST_F(Panel, PrintIcon) {
    impresion.cancel = true;
    panel->Image5_Click();
    EXPECT_EQ((std::tuple{impresion.shown, leida(1).fecha2}), (std::tuple{1, 0.0})); // nothing checked
    impresion.cancel = false;
    panel->Image5_Click();
    EXPECT_TRUE(impresion.last && impresion.last->ended &&
                impresion.last->texts().contains(QStringLiteral("PEÑAS SENCILLAS / REDUCIDAS")));
}
