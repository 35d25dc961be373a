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
#include <QGroupBox>
#include <QPushButton>
#include <QSlider>
#include <gtest/gtest.h>
#include <tuple>

// On the real history the wizard ranks every stored draw at first, holds step 1 locked while
// it keeps a ranking, and a tab change puts it back at step 1.
TEST(PrincipalAsistente, RanksTheRealHistoryAndTabChangesResetIt) {
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

    a->slider2()->setValue(6);
    const std::array<int, 49> esperado = numerosPorFrecuencia(vecesHistoriaReal());
    EXPECT_EQ(std::vector<int>(e.s.numerosAuto.begin(), e.s.numerosAuto.end()),
              std::vector<int>(esperado.begin(), esperado.end()));
    QCheckBox* jueves = w.filtrosPaso1()->check3(3);
    ASSERT_NE(jueves, nullptr);
    EXPECT_FALSE(jueves->isEnabled());
    w.seleccion()->Check3_Click(2, true); // "Comparativa" on the Estadísticas tab
    EXPECT_EQ(std::tuple(jueves->isEnabled(), a->image3(1)->isEnabled()), std::tuple(false, true));

    w.sstab1()->setCurrentIndex(0);
    EXPECT_EQ(std::tuple(a->slider2()->value(), jueves->isEnabled(),
                         w.crearCombinacion()->frame7()->isVisibleTo(w.crearCombinacion())),
              std::tuple(0, true, false));
}
