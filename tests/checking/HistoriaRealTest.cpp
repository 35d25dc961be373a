#include "Escenario.h"

#include "core/SharedRoutines.h"
#include "support/HistoriaReal.h"

#include <gtest/gtest.h>
#include <numeric>
#include <random>

namespace {

// Counts by hand, bet by bet and draw by draw, what a peña has won over some draws.
std::array<int16_t, 5> contarAMano(const RegPena& p, const std::vector<RegSorteo>& sorteos) {
    std::array<int16_t, 5> c{};
    const QString dias = p.dias.trimmed();
    // The simple bets, or every choice of six of a multiple bet's numbers.
    std::vector<std::vector<int16_t>> apuestas;
    const int m = p.numApuestas > 500 ? cuantos(p.numApuestas) : 6;
    for (int b = 0; b < (p.numApuestas > 500 ? 1 : p.numApuestas); ++b)
        for (int mask = 0; mask < (1 << m); ++mask)
            if (__builtin_popcount(unsigned(mask)) == 6) {
                apuestas.emplace_back();
                for (int j = 0; j < m; ++j)
                    if (mask >> j & 1)
                        apuestas.back().push_back(p.apuestas[size_t(b)][size_t(j)]);
            }
    for (const RegSorteo& s : sorteos) {
        const int dia = oledate::toQDate(s.fecha).dayOfWeek(); // 1 Monday .. 7 Sunday
        const bool juega = dias == QStringLiteral("Todos (L+J+S)") ||
                           (dias == QStringLiteral("Lunes") && dia == 1) ||
                           (dias == QStringLiteral("Jueves") && dia == 4) ||
                           (dias == QStringLiteral("Sábado") && dia == 6) ||
                           (dias == QStringLiteral("Jueves y Sábado") && (dia == 4 || dia == 6));
        if (!juega || s.fecha < p.fecha)
            continue;
        for (const auto& a : apuestas) {
            int h = 0;
            bool comp = false;
            for (int n : a) {
                h += std::count(s.bolas.begin(), s.bolas.begin() + 6, n) > 0;
                comp = comp || n == s.bolas[6];
            }
            if (h >= 3)
                ++c[size_t((h == 5 && comp ? 7 : h) - 3)];
        }
    }
    return c;
}

} // namespace

// The real draw history arrives in downloads: first all but the last twenty draws, then
// eight at once, then one draw at a time. The counters then equal a count by hand over the draws since each
// peña's creation, and its counted date is the newest draw.
TEST(HistoriaReal, CountersMatchAHandCountAcrossDownloads) {
    Escenario e;
    const std::vector<RegSorteo> sorteos = sorteosHistoriaReal();
    ASSERT_GT(sorteos.size(), 4000u);

    std::mt19937 azar(7);
    auto numeros = [&](int n) {
        std::vector<int> v(49);
        std::iota(v.begin(), v.end(), 1);
        std::shuffle(v.begin(), v.end(), azar);
        v.resize(static_cast<size_t>(n));
        std::sort(v.begin(), v.end());
        return v;
    };
    const struct {
        const char* dias;
        int anyo;
        int codigo; // 0: simple bets
    } penas[] = {{"Todos (L+J+S)", 1990, 0},   {"Jueves y Sábado", 2005, 0}, {"Sábado", 2015, 0},
                 {"Lunes", 2012, 0},           {"Todos (L+J+S)", 1995, 501}, {"Jueves", 2001, 502},
                 {"Todos (L+J+S)", 2010, 506}, {"Sábado", 2026, 504}};
    for (const auto& p : penas) {
        std::vector<std::vector<int>> apuestas;
        if (p.codigo == 0)
            for (int b = 0; b < RegPena::kMaxApuestas; ++b)
                apuestas.push_back(numeros(6));
        else
            apuestas.push_back(numeros(cuantos(int16_t(p.codigo))));
        e.pena(QStringLiteral("P%1").arg(p.anyo), QString::fromUtf8(p.dias), Escenario::fecha(p.anyo, 1, 1),
               apuestas, p.codigo ? p.codigo : -1);
    }

    // A check that lists only the newest draw counts the whole history; so does a start
    // after eight draws were stored by a download that was killed before counting them.
    const size_t primeros = sorteos.size() - 20;
    for (size_t i = 0; i < primeros; ++i)
        e.s.files.numeros.put(qint64(i) + 1, sorteos[i]);
    e.comprobacion.listasencillas(1);
    for (size_t i = primeros; i < primeros + 8; ++i)
        e.s.files.numeros.put(qint64(i) + 1, sorteos[i]);
    e.comprobacion.listasencillas(1);
    for (size_t i = primeros + 8; i < sorteos.size(); ++i) {
        e.s.files.numeros.put(qint64(i) + 1, sorteos[i]);
        e.comprobacion.listasencillas(1);
    }
    e.comprobacion.listasencillas(int(sorteos.size())); // a full refresh adds nothing
    for (int p = 1; p <= int(std::size(penas)); ++p) {
        const RegPena r = e.leida(p);
        EXPECT_EQ(r.aciertos, contarAMano(r, sorteos)) << p;
        EXPECT_EQ(r.fecha2, sorteos.back().fecha) << p;
    }
}
