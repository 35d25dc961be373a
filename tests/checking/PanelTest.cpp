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
class Panel : public ::testing::Test, public Escenario {
  protected:
    Panel() {
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
    void datos() {
        sorteo(kJue(), {1, 2, 3, 30, 31, 32}, 40);
        sorteo(kSab(), {1, 2, 3, 30, 31, 32}, 40);
        pena(QStringLiteral("S"), kTodos, kJue(), {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
        pena(QStringLiteral("M"), kTodos, kJue(), {{1, 2, 3, 4, 5, 6, 7}}, 501);
        hScroll1->setMaximum(2);
    }

    QWidget ventana;
    QScrollBar* hScroll1;
    QLineEdit* text3;
    QCheckBox* check1;
    QCheckBox* check2;
    QLabel* label59;
    QProgressBar* progressBar1;
    PanelResultados* panel;
    FakePrintService impresion;
    int estadisticas = 0;
};

} // namespace

TEST_F(Panel, ModelsFollowTheChecksAndPassTheModelTester) {
    datos();
    QAbstractItemModelTester t2(panel->listView(0)->model(),
                                QAbstractItemModelTester::FailureReportingMode::Warning);
    QAbstractItemModelTester t4(panel->listView(1)->model(),
                                QAbstractItemModelTester::FailureReportingMode::Warning);
    hScroll1->setValue(2);
    EXPECT_EQ(text3->text(), QStringLiteral("2"));
    EXPECT_EQ(estadisticas, 1);
    QAbstractItemModel* m2 = panel->listView(0)->model();
    ASSERT_EQ(m2->rowCount(), 10);
    EXPECT_EQ(m2->headerData(7, Qt::Horizontal).toString(), QStringLiteral("Comentario"));
    EXPECT_EQ(m2->headerData(1, Qt::Horizontal).toString(), QStringLiteral("1")); // over the first number
    EXPECT_EQ(m2->index(3, 7).data().toString(), QStringLiteral("¡¡ Premio !! Has acertado 3 números."));
    EXPECT_EQ(m2->index(3, 1).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    EXPECT_FALSE(m2->index(3, 4).data(Qt::ForegroundRole).isValid());
    EXPECT_EQ(panel->listView(1)->model()->rowCount(), 8);
    EXPECT_EQ(panel->progressBar2()->value(), 0);
}

TEST_F(Panel, SwitchButtonsAndBlink) {
    EXPECT_FALSE(panel->listView(0)->isHidden());
    panel->command1(1)->click();
    EXPECT_TRUE(panel->listView(0)->isHidden());
    EXPECT_FALSE(panel->listView(1)->isHidden());

    label59->setText(QStringLiteral("2 sorteos"));
    panel->setConpremio(3);
    panel->timer3().start();
    panel->Timer3_Timer();
    EXPECT_EQ(panel->command1(0)->text(), QStringLiteral("P R E M I O"));
    EXPECT_EQ(panel->command1(1)->text(), QStringLiteral("P R E M I O"));
    panel->Timer3_Timer();
    EXPECT_EQ(panel->command1(0)->text(), QStringLiteral("S E N C I L L A"));
    EXPECT_EQ(panel->command1(1)->text(), QStringLiteral("M Ú L T I P L E"));
    panel->setConpremio(2);
    panel->Timer3_Timer();
    EXPECT_EQ(panel->command1(0)->text(), QStringLiteral("S E N C I L L A"));
    EXPECT_EQ(panel->command1(1)->text(), QStringLiteral("P R E M I O"));
    EXPECT_EQ(panel->command1(1)->palette().color(QPalette::Button), QColor(255, 0, 0));
    // A click on the list already shown changes nothing but stops the blink.
    panel->command1(1)->click();
    EXPECT_FALSE(panel->timer3().isActive());
    EXPECT_EQ(panel->command1(1)->text(), QStringLiteral("M Ú L T I P L E"));
    EXPECT_TRUE(label59->text().isEmpty());
    EXPECT_FALSE(panel->listView(1)->isHidden());
}

TEST_F(Panel, NewPrizeAfterADownloadStartsTheBlink) {
    datos();
    label59->setText(QStringLiteral("1 sorteo"));
    panel->listasencillas(1);
    EXPECT_TRUE(panel->timer3().isActive());
    EXPECT_EQ(panel->conpremio(), 3);
}

TEST_F(Panel, MenuEntriesSetTheFiltersInOrder) {
    datos();
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
    EXPECT_EQ(accion("verhistom")->text(),
              QStringLiteral("Histórico (resultados sorteos anteriores a la fecha de creacón de las peñas)"));

    accion("verpremiom")->trigger();
    EXPECT_EQ(tabs.currentIndex(), 0);
    EXPECT_FALSE(panel->listView(1)->isHidden());
    EXPECT_TRUE(check2->isChecked());
    EXPECT_FALSE(check1->isChecked());
    EXPECT_EQ(estadisticas, 1); // one refresh: only Check2 changed
    accion("verpremiom")->trigger();
    EXPECT_EQ(estadisticas, 1);
    accion("verhisto")->trigger();
    EXPECT_FALSE(panel->listView(0)->isHidden());
    EXPECT_FALSE(check2->isChecked());
    EXPECT_TRUE(check1->isChecked());
    EXPECT_EQ(estadisticas, 3);
}

TEST_F(Panel, ScrollBarDuringADownloadDoesNotRefresh) {
    datos();
    progressBar1->setMaximum(5);
    progressBar1->setValue(3);
    hScroll1->setValue(2);
    EXPECT_EQ(text3->text(), QStringLiteral("2"));
    EXPECT_EQ(estadisticas, 0);
}

TEST_F(Panel, ChooserListsOnePeña) {
    datos();
    panel->llenarCombo2({QStringLiteral("TODAS LAS PEÑAS"), QStringLiteral("S").leftJustified(20),
                         QStringLiteral("M").leftJustified(20)});
    EXPECT_EQ(panel->combo2()->currentIndex(), -1);
    panel->combo2()->setCurrentIndex(2);
    panel->Combo2_Click();
    EXPECT_FALSE(panel->listView(1)->isHidden()); // the multiple peña's list comes forward
    EXPECT_EQ(panel->listView(0)->model()->rowCount(), 0);
    EXPECT_EQ(panel->listView(1)->model()->rowCount(), 4);
    EXPECT_EQ(panel->comprobacion().penaelegida, 0);
}

TEST_F(Panel, RefreshOfTheNewestDraw) {
    datos();
    hScroll1->setValue(2);
    EXPECT_EQ(estadisticas, 1);
    panel->refrescarUltimoSorteo(); // through the scroll bar's change
    EXPECT_EQ(hScroll1->value(), 1);
    EXPECT_EQ(estadisticas, 2);
    EXPECT_EQ(panel->listView(0)->model()->rowCount(), 5);
    panel->refrescarUltimoSorteo(); // directly, without the statistics
    EXPECT_EQ(estadisticas, 2);
    EXPECT_EQ(panel->listView(1)->model()->rowCount(), 4);
}

TEST_F(Panel, PrintIcon) {
    datos();
    impresion.cancel = true;
    panel->Image5_Click();
    EXPECT_EQ(impresion.shown, 1);
    EXPECT_EQ(leida(1).fecha2, 0); // nothing checked
    impresion.cancel = false;
    panel->Image5_Click();
    ASSERT_TRUE(impresion.last);
    EXPECT_TRUE(impresion.last->ended);
    EXPECT_TRUE(impresion.last->texts().contains(QStringLiteral("PEÑAS SENCILLAS / REDUCIDAS")));
}
