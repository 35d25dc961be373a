#include "penas/gui/CrearCombinacionTab.h"
#include "penas/gui/GestorTab.h"
#include "stats/BaseInforme.h"
#include "stats/SeleccionEstadisticas.h"
#include "stats/gui/AsistenteCombinacion.h"
#include "stats/gui/AsistenteIcono.h"
#include "stats/gui/FiltrosPaso1.h"
#include "support/HistoriaReal.h"
#include "support/SesionPrueba.h"
#include "ui/Principal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <gtest/gtest.h>
#include <tuple>

namespace {

std::vector<int> primeros(const std::array<int16_t, 49>& numeros) {
    return {numeros.begin(), numeros.begin() + 6};
}

} // namespace

// On the real history the wizard ranks the chosen period, holds step 1 locked while it keeps a
// ranking, ranks again when the selection changes anyway, and a tab change puts it back at
// step 1.
TEST(PrincipalAsistente, RanksThePeriodLocksStepOneAndRanksAgainWhenTheSelectionChanges) {
    SesionPrueba e(QDate(2026, 12, 5));
    e.dir.conTablas();
    e.dir.conBase();
    e.dir.write(QStringLiteral("numeros.dat"), bytesHistoriaReal());
    Principal w(e.s, e.dir.path());
    ASSERT_TRUE(w.Form_Load());
    AsistenteCombinacion* a = w.asistente();
    auto* informePena = w.gestor()->findChild<AsistenteIcono*>(QStringLiteral("Image2_1"));
    ASSERT_NE(informePena, nullptr);
    EXPECT_FALSE(informePena->isEnabled()); // no peña stored

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
    EXPECT_FALSE(paso1->slider1()->isEnabled());
    w.seleccion()->Check3_Click(2, true); // "Comparativa" on the Estadísticas tab
    EXPECT_EQ(std::tuple(paso1->check3(3)->isEnabled(), paso1->slider1()->isEnabled(), a->image3(1)->isEnabled()),
              std::tuple(false, false, true));

    // The selection changes all the same (as a download would change it): 24 months, 265 draws.
    w.seleccion()->Slider1_Change(24);
    EXPECT_TRUE(paso1->label21()->text().endsWith(QStringLiteral("en total, 265 sorteos en la base de datos.")));
    EXPECT_EQ(primeros(e.s.numerosAuto), (std::vector<int>{12, 46, 6, 28, 38, 40}));
    BaseInforme db;
    ASSERT_TRUE(db.abrir(e.dir.ruta(QStringLiteral("Velmorat.mdb"))));
    QStringList filas;
    for (const QVariantList& f : db.consulta(QStringLiteral("SELECT Numero, Veces FROM Numeros ORDER BY rowid")))
        filas << f.value(0).toString() + u':' + f.value(1).toString();
    EXPECT_EQ(filas.join(u' '), QStringLiteral("12:44 46:43 6:41 28:40 38:39 40:39"));

    w.sstab1()->setCurrentIndex(0);
    EXPECT_EQ(std::tuple(a->slider2()->value(), paso1->check3(3)->isEnabled(), paso1->slider1()->isEnabled(),
                         w.crearCombinacion()->frame7()->isVisibleTo(w.crearCombinacion())),
              std::tuple(0, true, true, false));
}
