#include "stats/Ranking.h"
#include "stats/BaseInforme.h"
#include "support/HistoriaReal.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace {

QList<QVariantList> numeros(const TestFolder& t) {
    BaseInforme db;
    EXPECT_TRUE(db.abrir(t.ruta(QStringLiteral("Velmorat.mdb"))));
    return db.consulta(QStringLiteral("SELECT \"Numero\", \"Veces\" FROM \"Numeros\" ORDER BY rowid"));
}

class RankingHistoria : public ::testing::TestWithParam<int> {};

} // namespace

TEST_P(RankingHistoria, NumerosHoldsTheTopRowsAndEveryNumberIsRankedByFallingCount) {
    const int n = GetParam();
    TestFolder t;
    t.conBase();
    const ranking::Veces veces = vecesHistoriaReal();
    // A second run must replace the first one's rows.
    std::array<int16_t, 49> autos{};
    ASSERT_EQ(ranking::rankfrecu(t.ruta(QStringLiteral("Velmorat.mdb")), veces, 49, autos), 0);
    ASSERT_EQ(ranking::rankfrecu(t.ruta(QStringLiteral("Velmorat.mdb")), veces, n, autos), 0);

    const std::array<int, 49> esperado = numerosPorFrecuencia(veces);
    for (size_t k = 0; k < 49; ++k)
        EXPECT_EQ(autos[k], esperado[k]) << k;

    const QList<QVariantList> filas = numeros(t);
    ASSERT_EQ(filas.size(), n);
    for (int k = 0; k < n; ++k) {
        EXPECT_EQ(filas.at(k).value(0).toInt(), esperado[static_cast<size_t>(k)]);
        EXPECT_EQ(filas.at(k).value(1).toInt(),
                  veces[static_cast<size_t>(esperado[static_cast<size_t>(k)] - 1)]);
    }
}

INSTANTIATE_TEST_SUITE_P(Tamanos, RankingHistoria, ::testing::Values(0, 6, 8, 20));

TEST(Ranking, EqualCountsKeepAscendingNumbersAndAMissingBaseStillRanks) {
    ranking::Veces veces{};
    veces[44] = 3; // 45
    veces[9] = 3;  // 10
    veces[30] = 1; // 31
    std::array<int16_t, 49> autos{};
    TestFolder t;
    EXPECT_NE(ranking::rankfrecu(t.ruta(QStringLiteral("no.mdb")), veces, 6, autos), 0);
    EXPECT_FALSE(t.exists(QStringLiteral("no.mdb")));
    EXPECT_EQ((std::vector<int>(autos.begin(), autos.begin() + 5)), (std::vector<int>{10, 45, 31, 1, 2}));
    EXPECT_EQ(autos[48], 49);
}
