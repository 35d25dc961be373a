#include "Escenario.h"

#include <gtest/gtest.h>

namespace {

class Multiples : public ::testing::Test, public Escenario {};

} // namespace

TEST_F(Multiples, GroupRowsOfABetOfSevenWithoutPrize) {
    sorteo(kSab(), {1, 2, 30, 31, 32, 33}, 7);
    pena(QStringLiteral("SIETE"), kTodos, kJue(), {{1, 2, 3, 4, 5, 6, 7}}, 501);
    pena(QStringLiteral("SENCILLA"), kTodos, kJue(), {{1, 2, 3, 4, 5, 6}});
    comprobacion.listasencillas(1); // hands over to the multiples at its end
    const ListaMultiples& l = comprobacion.lista4();
    ASSERT_EQ(l.filas(), 4);
    EXPECT_EQ((QStringList{l.texto(1, 12), l.texto(2, 12)}),
              (QStringList{"PEÑA SIETE               ", "05/12/2026 Sábado"}));
    EXPECT_EQ(fila(l, 3), (QStringList{"1", "2", "3", "4", "5", "6", "7", "", "", "", "", ""}));
    EXPECT_EQ(colores(l), (QStringList{"- - - - - - - - - - - -", "- - - - - - - - - - - 000080",
                                       "- - - - - - - - - - - 008000",
                                       "0000FF 0000FF - - - - - - - - - -"})); // 7, the complementario: plain
    vista.check2 = true;
    comprobacion.listamulti(1);
    EXPECT_EQ(comprobacion.lista4().filas(), 0);
}

TEST_F(Multiples, BreakdownRowsAndCounters) {
    sorteo(kSab(), {1, 2, 3, 4, 5, 6}, 7);
    pena(QStringLiteral("SIETE"), kTodos, kJue(), {{1, 2, 3, 4, 5, 6, 7}}, 501);
    comprobacion.listamulti(1);
    const ListaMultiples& l = comprobacion.lista4();
    EXPECT_EQ(comentarios(l), (QStringList{"", "PEÑA SIETE               ", "05/12/2026 Sábado",
                                           "¡¡ Premio !! Tienes 6 apuestas de 5 aciertos + C.",
                                           "¡¡ Premio !! Tienes 1 apuesta de 6 aciertos."}));
    EXPECT_EQ(colores(l).mid(3), (QStringList{"0000FF 0000FF 0000FF 0000FF 0000FF 0000FF - - - - - 0040C0",
                                              "- - - - - - - - - - - 0000FF"}));
    EXPECT_EQ((std::tuple{aciertos(1), leida(1).fecha2}),
              (std::tuple{std::array<int16_t, 5>{0, 0, 0, 1, 6}, kSab()}));
    comprobacion.listamulti(1);
    EXPECT_EQ(aciertos(1), (std::array<int16_t, 5>{0, 0, 0, 1, 6}));
}

TEST_F(Multiples, FiveNumbersAgainstTheRest) {
    sorteo(kSab(), {1, 2, 30, 31, 32, 33}, 40);
    pena(QStringLiteral("CINCO"), kTodos, kJue(), {{1, 2, 3, 4, 5}}, 503);
    comprobacion.listamulti(1);
    EXPECT_EQ(comentarios(comprobacion.lista4()),
              (QStringList{"", "PEÑA CINCO               ", "05/12/2026 Sábado",
                           "¡¡ Premio !! Tienes 4 apuestas de 3 aciertos.", ""}));
    EXPECT_EQ(colores(comprobacion.lista4()).mid(3),
              (QStringList{"0000FF 0000FF - - - - - - - - - 00C000", "- - - - - - - - - - - -"}));
    EXPECT_EQ(aciertos(1), (std::array<int16_t, 5>{4, 0, 0, 0, 0}));
    // Only prizes: the group stays, the closing blank row goes.
    vista.check2 = true;
    comprobacion.listamulti(1);
    EXPECT_EQ((std::tuple{comprobacion.lista4().filas(), comprobacion.filalista()}), (std::tuple{4, 4}));
}

TEST_F(Multiples, FiveNumbersWithFourHitsAndTheComplementario) {
    sorteo(kSab(), {1, 2, 3, 4, 30, 31}, 5);
    pena(QStringLiteral("CINCO"), kTodos, kJue(), {{1, 2, 3, 4, 5}}, 503);
    vista.check2 = true; // with three hits or more the closing blank row stays
    comprobacion.listamulti(1);
    EXPECT_EQ(comentarios(comprobacion.lista4()).mid(3),
              (QStringList{"¡¡ Premio !! Tienes 42 apuestas de 4 aciertos.",
                           "¡¡ Premio !! Tienes 2 apuesta de 5 aciertos + C.", ""}));
    EXPECT_EQ(aciertos(1), (std::array<int16_t, 5>{0, 42, 0, 0, 2}));
}

TEST_F(Multiples, CountingWindowAndHistorico) {
    sorteo(kJue(), {1, 2, 3, 30, 31, 32}, 40);
    sorteo(kSab(), {1, 2, 3, 30, 31, 32}, 40);
    pena(QStringLiteral("DESDE SAB"), kTodos, kSab(), {{1, 2, 3, 4, 5, 6, 7}}, 501);
    vista.check1 = true;
    comprobacion.listamulti(2);
    // Both draws listed with their messages; only Saturday, the creation day, counts.
    const QStringList c = comentarios(comprobacion.lista4());
    ASSERT_EQ(c.size(), 8);
    EXPECT_EQ((QStringList{c[3], c[7]}),
              QStringList(2, QStringLiteral("¡¡ Premio !! Tienes 4 apuestas de 3 aciertos.")));
    EXPECT_EQ(aciertos(1), (std::array<int16_t, 5>{4, 0, 0, 0, 0}));
}

TEST_F(Multiples, ChooserFiltersAndSwitchesTheView) {
    sorteo(kJue(), {1, 2, 3, 30, 31, 32}, 40);
    sorteo(kSab(), {1, 2, 3, 30, 31, 32}, 40);
    pena(QStringLiteral("UNA"), QStringLiteral("Sábado"), kJue(), {{1, 2, 3, 4, 5, 6, 7, 8}}, 502);
    pena(QStringLiteral("OTRA"), QStringLiteral("Jueves"), kJue(), {{1, 2, 3, 4, 5, 6, 7, 8}}, 502);
    vista.indice = 1;
    vista.texto = QStringLiteral("UNA").leftJustified(20);
    comprobacion.penaelegida = 1;
    comprobacion.listasencillas(2);
    EXPECT_EQ(vista.clics, std::vector<int>{1});
    EXPECT_EQ((std::tuple{comprobacion.lista4().filas(), comprobacion.lista4().texto(3, 12)}),
              (std::tuple{4, QStringLiteral("¡¡ Premio !! Tienes 10 apuestas de 3 aciertos.")}));
    EXPECT_EQ((std::tuple{leida(1).fecha2, aciertos(1)[0], leida(2).fecha2, comprobacion.penaelegida}),
              (std::tuple{kSab(), int16_t(10), 0.0, 0}));
}

// The alert after a download: 1 blinks the simple list's button, 2 the multiple one's, 3 both;
// a simple prize found while the blink already runs changes nothing.
TEST_F(Multiples, PrizeAlertCombinesWithTheSimpleList) {
    sorteo(kSab(), {1, 2, 3, 30, 31, 32}, 40);
    pena(QStringLiteral("S"), kTodos, kJue(), {{1, 2, 3, 4, 5, 6}});
    pena(QStringLiteral("M"), kTodos, kJue(), {{1, 2, 3, 4, 5, 6, 7}}, 501);
    // notice, blinking, alert before, simple list (else multiple) → alert, timer starts
    for (const auto& [aviso, activo, antes, sencilla, despues, arranques] :
         {std::tuple{false, false, 0, true, 0, 0}, std::tuple{false, false, 0, false, 0, 0},
          std::tuple{true, false, 0, true, 3, 1}, std::tuple{true, false, 0, false, 2, 1},
          std::tuple{true, true, 2, true, 2, 0}, std::tuple{true, true, 1, false, 3, 0},
          std::tuple{true, true, 2, false, 2, 0}, std::tuple{true, true, 3, false, 3, 0}}) {
        vista.aviso = aviso;
        vista.timer3 = activo;
        vista.arranquesTimer3 = 0;
        comprobacion.conpremio = antes;
        sencilla ? comprobacion.listasencillas(1) : comprobacion.listamulti(1);
        EXPECT_EQ((std::tuple{comprobacion.conpremio, vista.arranquesTimer3}), (std::tuple{despues, arranques}))
            << aviso << activo << antes << sencilla;
    }
}
