#include "stats/Ranking.h"
#include "stats/BaseInforme.h"
#include "support/HistoriaReal.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace {

QStringList numeros(const TestFolder& t) {
    BaseInforme db;
    EXPECT_TRUE(db.abrir(t.ruta(QStringLiteral("Velmorat.mdb"))));
    QStringList filas;
    for (const QVariantList& f :
         db.consulta(QStringLiteral("SELECT \"Numero\", \"Veces\" FROM \"Numeros\" ORDER BY rowid")))
        filas << f.value(0).toString() + u':' + f.value(1).toString();
    return filas;
}

} // namespace

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
    EXPECT_EQ(numeros(t).join(u' '), QStringLiteral("38:547 39:545 1:540 45:537 3:534 40:534"));
}
