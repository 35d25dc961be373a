// The statistics over the real draw history: the walk alone; the walk with the draws list
// model, the grids and the newest draw written to the report database, then the selection
// stored; and a box ticked on the Estadísticas tab with its list and chart redrawn.
#include "MainQt.h"
#include "stats/SeleccionEstadisticas.h"
#include "stats/gui/EstadisticasTab.h"
#include "stats/gui/ModeloSorteos.h"
#include "support/SesionPrueba.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

// The real history in a program folder with the report database.
struct Carpeta : SesionPrueba {
    Carpeta() : SesionPrueba(QDate(2026, 8, 20)) {
        QFile::copy(QStringLiteral(VELMORAT_TEST_DATA "/numeros-historia.dat"),
                    dir.ruta(QStringLiteral("numeros.dat")));
        dir.conBase();
        s.rutaApp = dir.rutaApp();
        s.files.abrir(s.rutaApp);
        s.sigSorteo = int(s.files.numeros.count()) + 1;
    }
};

void BM_EstadisticasCalculo(benchmark::State& state) {
    Carpeta c;
    for (auto _ : state) {
        const Estadisticas e = calculaEstadisticas(c.s.files.numeros, c.s.sigSorteo, {}, 0);
        benchmark::DoNotOptimize(e.sorteossel);
    }
}
BENCHMARK(BM_EstadisticasCalculo)->Unit(benchmark::kMillisecond);

void BM_EstadisticasYGuardaSeleccion(benchmark::State& state) {
    Carpeta c;
    SeleccionEstadisticas sel(c.s);
    ModeloSorteos modelo;
    QObject::connect(&sel, &SeleccionEstadisticas::calculadas,
                     [&] { modelo.reemplazar(sel.estadisticas().filas); });
    for (auto _ : state) {
        sel.estadisticasSeleccion();
        sel.guardaSeleccion();
    }
    if (!c.dialogs.boxes.isEmpty() || sel.errorFrase() != 0 || modelo.rowCount() != 4175)
        state.SkipWithError("the report database was not written");
}
BENCHMARK(BM_EstadisticasYGuardaSeleccion)->Unit(benchmark::kMillisecond);

void BM_CasillaEnLaPestana(benchmark::State& state) {
    Carpeta c;
    SeleccionEstadisticas sel(c.s);
    EstadisticasTab tab(c.s, sel);
    tab.resize(1366, 700);
    tab.show();
    QCheckBox* jueves = tab.check3(FiltrosEstadisticas::Jueves);
    for (auto _ : state) {
        jueves->click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CasillaEnLaPestana)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return ejecutaBenchmarksQt(argc, argv);
}
