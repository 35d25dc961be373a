#include "penas/gui/CrearCombinacionTab.h"
#include "penas/gui/GestorTab.h"
#include "stats/SeleccionEstadisticas.h"
#include "stats/gui/AsistenteCombinacion.h"
#include "stats/gui/AsistenteIcono.h"
#include "stats/gui/EstadisticasTab.h"
#include "stats/gui/FiltrosPaso1.h"
#include "stats/gui/GraficaFrecuencias.h"
#include "stats/gui/ModeloSorteos.h"
#include "support/HistoriaReal.h"
#include "support/SesionPrueba.h"
#include "ui/Principal.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsTextItem>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

std::vector<int> primeros(const std::array<int16_t, 49>& numeros) {
    return {numeros.begin(), numeros.begin() + 6};
}

// The program on 5 December 2026 with the real history, loaded.
struct Cargado : SesionPrueba {
    Cargado() : SesionPrueba(QDate(2026, 12, 5)) {
        dir.conTablas();
        dir.conBase();
        dir.write(QStringLiteral("numeros.dat"), bytesHistoriaReal());
    }
    Principal w{s, dir.path()};
};

} // namespace

// On the real history the wizard ranks the chosen period, holds step 1 locked while it keeps a
// ranking, ranks again when the selection changes anyway, and a tab change puts it back at
// step 1.
TEST(PrincipalAsistente, RanksThePeriodLocksStepOneAndRanksAgainWhenTheSelectionChanges) {
    Cargado e;
    Principal& w = e.w;
    ASSERT_TRUE(w.Form_Load());
    AsistenteCombinacion* a = w.asistente();
    EXPECT_FALSE(w.gestor()->findChild<AsistenteIcono*>(QStringLiteral("Image2_1"))->isEnabled()); // no peña

    w.sstab1()->setCurrentIndex(4);
    EXPECT_EQ(std::tuple(a->image2()->isEnabled(), a->image2()->imagen()), std::tuple(false, 5));
    EXPECT_EQ(a->combo1()->placeholderText(), QStringLiteral("No hay tablas reducidas de 0 nºs."));
    w.findChild<QPushButton*>(QStringLiteral("Command9"))->click();
    EXPECT_LE(w.minimumSizeHint().height(), 700);

    // The last 5 months hold 18 draws (counted by hand in the history): 28 came out 6 times,
    // 31 and 38 5 times, then 7, 22 and 33 4 times each.
    FiltrosPaso1* paso1 = w.filtrosPaso1();
    w.seleccion()->Check3_Click(7, false);
    w.seleccion()->Slider1_Change(5);
    a->slider2()->setValue(6);
    EXPECT_EQ(primeros(e.s.numerosAuto), (std::vector<int>{28, 31, 38, 7, 22, 33}));
    for (int caja : {7, 8, 3, 4, 10})
        EXPECT_FALSE(paso1->check3(caja)->isEnabled()) << caja;
    w.seleccion()->Check3_Click(2, true); // "Comparativa" on the Estadísticas tab
    EXPECT_EQ(
        std::tuple(paso1->check3(3)->isEnabled(), paso1->slider1()->isEnabled(), a->image3(1)->isEnabled()),
        std::tuple(false, false, true));

    // The selection changes all the same (as a download would change it): 24 months, 265 draws.
    w.seleccion()->Slider1_Change(24);
    EXPECT_TRUE(
        paso1->label21()->text().endsWith(QStringLiteral("en total, 265 sorteos en la base de datos.")));
    EXPECT_EQ(primeros(e.s.numerosAuto), (std::vector<int>{12, 46, 6, 28, 38, 40}));

    w.sstab1()->setCurrentIndex(0);
    EXPECT_EQ(std::tuple(a->slider2()->value(), paso1->check3(3)->isEnabled(), paso1->slider1()->isEnabled(),
                         w.crearCombinacion()->frame7()->isVisibleTo(w.crearCombinacion())),
              std::tuple(0, true, true, false));

    // Every draw deleted while the wizard holds a ranking takes it back to step 1.
    a->slider2()->setValue(6);
    w.estadisticas()->mantenimiento().Command5_Click();
    EXPECT_EQ(std::tuple(a->slider2()->value(), paso1->slider1()->isEnabled(), a->image2()->isEnabled()),
              std::tuple(0, true, false));
}

namespace {

// The numbers the chart labels and shows: every label of the page that is drawn.
QStringList etiquetasVisibles(GraficaFrecuencias* grafica) {
    QStringList visibles;
    for (QGraphicsItem* i : grafica->scene()->items(Qt::AscendingOrder))
        if (auto* t = dynamic_cast<QGraphicsTextItem*>(i); t && t->isVisible()) {
            bool numero = false;
            t->toPlainText().toInt(&numero);
            // The numbers' labels stand under the bars, the scale's beside them.
            if (numero && t->sceneBoundingRect().top() >= grafica->chart()->plotArea().bottom())
                visibles << t->toPlainText();
        }
    return visibles;
}

} // namespace

// At the size the window opens with, the chart beside the draws list labels all 25 numbers
// of each page, and Tab goes through the tab's controls as they stand on the screen.
TEST(PrincipalAsistente, ChartLabelsEveryNumberAtTheOpeningSizeAndTabFollowsTheScreen) {
    Cargado e;
    Principal& w = e.w;
    ASSERT_TRUE(w.Form_Load());
    w.sstab1()->setCurrentIndex(3);
    w.show();
    QCoreApplication::processEvents();
    w.resize(1000, 720); // the size it opens with on a screen large enough
    QCoreApplication::processEvents();
    EstadisticasTab* tab = w.estadisticas();
    GraficaFrecuencias* grafica = tab->msChart1();
    QStringList pagina1, pagina2;
    for (int n = 1; n <= 25; ++n)
        pagina1 << QString::number(n), pagina2 << QString::number(n + 24);
    // Over every draw number 1 came out 540 times (counted by hand), the most of page 1: the
    // scale reaches the next hundred.
    const QList<QAbstractAxis*> ejes = grafica->chart()->axes();
    EXPECT_EQ(
        std::tuple(etiquetasVisibles(grafica), ejes[0]->property("categories"), ejes[1]->property("max")),
        std::tuple(pagina1, QVariant(pagina1), QVariant(600.0)));
    // The page scroll bar turns to numbers 25 to 49 with the right arrow key.
    tab->hScroll2()->setFocus();
    QCoreApplication::processEvents(); // the window's activation puts the chart on page 1
    QTest::keyClick(tab->hScroll2(), Qt::Key_Right);
    QCoreApplication::processEvents();
    EXPECT_EQ(etiquetasVisibles(grafica), pagina2);
    w.resize(w.minimumSizeHint()); // and at the narrowest the window goes
    QCoreApplication::processEvents();
    EXPECT_EQ(etiquetasVisibles(grafica), pagina2);

    // Tab goes through the tab's controls as they stand on the screen, the list included.
    QStringList orden;
    tab->check3(9)->setFocus();
    for (int k = 0; k < 10; ++k, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab))
        orden << QApplication::focusWidget()->objectName();
    EXPECT_EQ(orden.join(u' '),
              QStringLiteral("Check3_9 Check3_0 Check3_1 Check3_5 Check3_6 Check3_2 Command5 "
                             "Command8 ListView3 HScroll2"));
    // Space on a row of the list deletes its draw, as Enter does.
    tab->mantenimiento().modoBorrar = 1;
    const int filas = tab->modelo()->rowCount();
    tab->listView3()->setCurrentIndex(tab->modelo()->index(0, 0));
    QTest::keyClick(tab->listView3(), Qt::Key_Space);
    EXPECT_EQ(std::tuple(e.dialogs.boxes.last().title, tab->modelo()->rowCount()),
              std::tuple(QStringLiteral("Borrar..."), filas - 1));

    // Choosing a reduced table moves nothing of the wizard.
    w.sstab1()->setCurrentIndex(4);
    w.findChild<QPushButton*>(QStringLiteral("Command9"))->click();
    AsistenteCombinacion* a = w.asistente();
    a->slider2()->setValue(10);
    QCoreApplication::processEvents();
    const auto sitios = [&w, a] {
        QList<QRect> r;
        for (QWidget* c :
             std::initializer_list<QWidget*>{w.crearCombinacion()->frame6(), a->image3(0), a->combo1()})
            r << QRect(c->mapTo(&w, QPoint()), c->size());
        return r;
    };
    const QList<QRect> antes = sitios();
    a->combo1()->setCurrentIndex(2);
    a->Combo1_Click(2); // "10 números al 5, 14 apuestas."
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.findChild<QWidget*>(QStringLiteral("Frame10"))->isVisible());
    EXPECT_EQ(sitios(), antes);
}
