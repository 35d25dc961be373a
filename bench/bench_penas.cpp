// The peñas tab on a heavy user's files: 40 peñas of 205 bets and the real draw history.
#include "core/OleDate.h"
#include "core/Session.h"
#include "penas/GestorPenas.h"
#include "platform/Clock.h"
#include "support/FakeDialogs.h"
#include "support/TestFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

struct Carpeta {
    TestFolder t;
    FakeDialogs d;
    FixedClock c{QDate(2026, 12, 5)};
    Session s{d, c};
    Carpeta() {
        t.conBase();
        QFile::copy(QStringLiteral(VELMORAT_TEST_DATA "/numeros-historia.dat"), t.ruta(QStringLiteral("numeros.dat")));
        s.rutaApp = t.rutaApp();
        s.files.abrir(s.rutaApp);
        s.cfg.precio = 1;
        for (int p = 0; p < 40; ++p) {
            RegPena pena;
            pena.nombre = QStringLiteral("PEÑA %1").arg(p);
            pena.numApuestas = 205;
            pena.dias = QStringLiteral("Todos (L+J+S)");
            pena.fecha = oledate::fromQDate(QDate(1998, 1, 1));
            for (auto& a : pena.apuestas)
                a = {1, 2, 3, 4, 5, 6};
            s.files.apuestas.put(p + 1, pena);
        }
        s.sorteosjugados = 4200;
    }
};

void BM_cargapenas(benchmark::State& state) {
    Carpeta c;
    GestorPenas g(c.s);
    for (auto _ : state)
        benchmark::DoNotOptimize(g.cargapenas());
}
BENCHMARK(BM_cargapenas)->Unit(benchmark::kMillisecond);

void BM_verpena(benchmark::State& state) {
    Carpeta c;
    GestorPenas g(c.s);
    g.cargapenas();
    for (auto _ : state)
        benchmark::DoNotOptimize(g.verpena(20));
}
BENCHMARK(BM_verpena)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
