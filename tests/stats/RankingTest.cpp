#include "stats/Ranking.h"
#include "stats/BaseInforme.h"
#include "support/HistoriaReal.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

// Over the whole real history 38 came out 547 times, 39 545, 1 540, 45 537, then 3, 40 and
// 41 534 times each (ascending on a tie); 20 came out least, 475 times.
TEST(Ranking, RanksTheRealHistoryAndNumerosKeepsTheTopRows) {
    TestFolder t;
    t.conBase();
    const QString base = t.ruta(QStringLiteral("Velmorat.mdb"));
    const ranking::Veces veces = vecesHistoriaReal();
    std::array<int16_t, 49> autos{};
    // A second run replaces the first one's rows.
    ASSERT_EQ(ranking::rankfrecu(base, veces, 49, autos), 0);
    ASSERT_EQ(ranking::rankfrecu(base, veces, 6, autos), 0);
    EXPECT_EQ(
        (std::vector<int>{autos[0], autos[1], autos[2], autos[3], autos[4], autos[5], autos[6], autos[48]}),
        (std::vector<int>{38, 39, 1, 45, 3, 40, 41, 20}));
    BaseInforme db;
    db.abrir(base);
    EXPECT_EQ(db.consulta(QStringLiteral("SELECT group_concat(Numero || ':' || Veces, ' ') FROM Numeros")),
              (QList<QVariantList>{{QStringLiteral("38:547 39:545 1:540 45:537 3:534 40:534")}}));
}
