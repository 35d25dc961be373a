#include "core/Session.h"
#include "penas/gui/CrearCombinacionTab.h"
#include "penas/gui/GestorTab.h"
#include "stats/SeleccionEstadisticas.h"
#include "stats/gui/AsistenteCombinacion.h"
#include "stats/gui/AsistenteIcono.h"
#include "stats/gui/FiltrosPaso1.h"
#include "support/HistoriaReal.h"
#include "support/SesionPrueba.h"
#include "ui/Principal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QSlider>
#include <gtest/gtest.h>

// On the real history the wizard ranks every stored draw at first, holds step 1 locked while
// it keeps a ranking, and a tab change puts it back at step 1.
TEST(PrincipalAsistente, RanksTheRealHistoryAndTabChangesResetIt) {
    SesionPrueba e(QDate(2026, 12, 5));
    e.dir.conTablas();
    e.dir.conBase();
    QFile::copy(QStringLiteral(VELMORAT_TEST_DATA "/numeros-historia.dat"),
                e.dir.ruta(QStringLiteral("numeros.dat")));
    Principal w(e.s, e.dir.path());
    ASSERT_TRUE(w.Form_Load());
    AsistenteCombinacion* a = w.asistente();
    auto* informePena = w.gestor()->findChild<AsistenteIcono*>(QStringLiteral("Image2_1"));
    ASSERT_NE(informePena, nullptr);
    EXPECT_FALSE(informePena->isEnabled()); // no peña stored

    w.sstab1()->setCurrentIndex(4);
    EXPECT_FALSE(a->image2()->isEnabled());
    EXPECT_EQ(a->image2()->imagen(), 5);
    EXPECT_EQ(a->combo1()->placeholderText(), QStringLiteral("No hay tablas reducidas de 0 nºs."));
    w.findChild<QPushButton*>(QStringLiteral("Command9"))->click();
    EXPECT_LE(w.minimumSizeHint().height(), 700);

    a->slider2()->setValue(6);
    const std::array<int, 49> esperado = numerosPorFrecuencia(vecesHistoriaReal());
    for (size_t k = 0; k < 49; ++k)
        EXPECT_EQ(e.s.numerosAuto[k], esperado[k]) << k;
    QCheckBox* jueves = w.filtrosPaso1()->check3(3);
    ASSERT_NE(jueves, nullptr);
    EXPECT_FALSE(jueves->isEnabled());
    w.seleccion()->Check3_Click(2, true); // "Comparativa" on the Estadísticas tab
    EXPECT_FALSE(jueves->isEnabled());
    EXPECT_TRUE(a->image3(1)->isEnabled());

    w.sstab1()->setCurrentIndex(0);
    EXPECT_EQ(a->slider2()->value(), 0);
    EXPECT_TRUE(jueves->isEnabled());
    EXPECT_FALSE(w.crearCombinacion()->frame7()->isVisibleTo(w.crearCombinacion()));
}
