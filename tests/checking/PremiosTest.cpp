#include "checking/Premios.h"

#include <QSet>
#include <bit>
#include <gtest/gtest.h>
#include <map>

using namespace premios;

namespace {

// "n of k" for each row of a breakdown, e.g. {{4, 5}, {5, 2}}: 5 of 4 hits, 2 of 5.
std::vector<std::pair<int, int>> filas(int codigo, int aciertos, bool concomp) {
    const Desglose d = desgloseMultiple(codigo, aciertos, concomp);
    std::vector<std::pair<int, int>> r;
    for (int i = 0; i < d.numLineas; ++i)
        r.push_back({d.lineas[static_cast<size_t>(i)].categoria, d.lineas[static_cast<size_t>(i)].cuantas});
    return r;
}

using F = std::vector<std::pair<int, int>>;

} // namespace

// The counts are checked bet by bet below; these fix the order of the rows.
TEST(Premios, WorkedBreakdownsOfMultipleBets) {
    EXPECT_EQ(filas(501, 6, true), (F{{7, 6}, {6, 1}}));
    EXPECT_EQ(filas(506, 6, false), (F{{3, 200}, {4, 150}, {5, 30}, {6, 1}}));
    EXPECT_EQ(filas(506, 6, true), (F{{3, 200}, {4, 150}, {5, 24}, {7, 6}, {6, 1}}));
    // Five numbers played with each of the other 44.
    EXPECT_EQ(filas(503, 3, false), (F{{3, 41}, {4, 3}}));
    EXPECT_EQ(filas(503, 5, false), (F{{5, 42}, {7, 1}, {6, 1}}));
    EXPECT_TRUE(desgloseMultiple(503, 1, false).filaFinal);
    EXPECT_FALSE(desgloseMultiple(504, 4, false).filaFinal);
}

TEST(Premios, BreakdownsAgreeWithEveryCoveredBet) {
    // Expands each multiple bet into its simple bets and checks them one by one.
    for (int c = 501; c <= 506; ++c)
        for (int h = 0; h <= 6; ++h)
            for (bool comp : {false, true}) {
                const int m =
                    c == 503 ? 5 : std::vector<int>{7, 8, 0, 9, 10, 11}[static_cast<size_t>(c - 501)];
                if (h > m || (comp && h == m))
                    continue;
                // The bet holds 1..m; the draw's winners are 1..h and 40.. for the rest.
                uint64_t ganadores = 0;
                for (int i = 1; i <= h; ++i)
                    ganadores |= bit(i);
                for (int i = 0; i < 6 - h; ++i)
                    ganadores |= bit(40 + i);
                const uint64_t complementario = comp ? bit(m) : bit(49);
                std::map<int, int> esperado;
                auto contar = [&](uint64_t apuesta) {
                    const int cat =
                        categoriaSencilla(std::popcount(apuesta & ganadores), apuesta & complementario);
                    if (cat)
                        ++esperado[cat];
                };
                if (c == 503) {
                    uint64_t cinco = 0;
                    for (int i = 1; i <= 5; ++i)
                        cinco |= bit(i);
                    for (int x = 6; x <= 49; ++x)
                        contar(cinco | bit(x));
                } else {
                    for (uint32_t sub = 0; sub < (1u << m); ++sub)
                        if (std::popcount(sub) == 6)
                            contar(uint64_t(sub) << 1);
                }
                std::map<int, int> obtenido;
                for (auto [cat, n] : filas(c, h, comp))
                    obtenido[cat] = n;
                if (!hayPremioMultiple(c, h))
                    EXPECT_TRUE(obtenido.empty());
                else
                    EXPECT_EQ(obtenido, esperado) << c << " hits " << h << " comp " << comp;
            }
}

TEST(Premios, NoRowsWithoutAnArm) {
    // More hits than a draw has, no such code.
    EXPECT_EQ((std::array{desgloseMultiple(506, 7, true).numLineas, desgloseMultiple(503, 6, true).numLineas,
                          desgloseMultiple(507, 4, false).numLineas}),
              (std::array{0, 0, 0}));
    EXPECT_EQ((std::array{desgloseMultiple(600, 4, false).filaFinal, hayPremioMultiple(503, 2),
                          hayPremioMultiple(501, 2), hayPremioMultiple(501, 3)}),
              (std::array{false, true, false, true}));
}

TEST(Premios, FortyFourMessagesWithTheirSingularForms) {
    QSet<QString> todos;
    for (int c = 501; c <= 506; ++c)
        for (int h = 0; h <= 6; ++h)
            for (bool comp : {false, true}) {
                const Desglose d = desgloseMultiple(c, h, comp);
                for (int i = 0; i < d.numLineas; ++i)
                    todos.insert(mensajeMultiple(d.lineas[static_cast<size_t>(i)]));
            }
    EXPECT_EQ(todos.size(), 44);
    // Eight numbers, five hits, the complementario among them.
    EXPECT_EQ(mensajeMultiple(desgloseMultiple(502, 5, true).lineas[2]),
              QStringLiteral("¡¡ Premio !! Tienes 2 apuesta de 5 aciertos."));
    EXPECT_EQ(mensajeMultiple(desgloseMultiple(501, 5, false).lineas[1]),
              QStringLiteral("¡¡ Premio !! Tienes 2 apuestas de 5 aciertos."));
}
