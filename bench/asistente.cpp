// The wizard's step 2 and the two reports on the real draw history.
#include "core/Session.h"
#include "platform/Clock.h"
#include "stats/BaseInforme.h"
#include "stats/DocumentoInforme.h"
#include "stats/Informe.h"
#include "stats/Ranking.h"
#include "stats/gui/AsistenteCombinacion.h"
#include "support/FakeDialogs.h"
#include "support/HistoriaReal.h"
#include "support/TestFolder.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QSlider>
#include <QVBoxLayout>
#include <benchmark/benchmark.h>

namespace {

struct Carpeta {
    TestFolder t;
    FakeDialogs d;
    FixedClock c{QDate(2026, 12, 5)};
    Session s{d, c};
    Carpeta() {
        t.conBase();
        t.conTablas();
        for (const char* f : {"Velmorat.net", "Velmorat1.net"})
            QFile::copy(QStringLiteral(VELMORAT_DIST_DIR "/") + QString::fromLatin1(f),
                        t.ruta(QString::fromLatin1(f)));
        s.rutaApp = t.rutaApp();
    }
};

// Moving Slider2: ranking, the writes of "Numeros", the list of reduced tables and the
// step-3 controls, alternating between 8 and 12 numbers.
void BM_Slider2(benchmark::State& state) {
    Carpeta c;
    QWidget pagina;
    auto* f6 = new QGroupBox(&pagina);
    auto* f7 = new QGroupBox(&pagina);
    f6->setLayout(new QVBoxLayout);
    f7->setLayout(new QVBoxLayout);
    AsistenteCombinacion a(c.s, {}, f6, f7);
    const ranking::Veces veces = vecesHistoriaReal();
    a.enlaces.sorteossel = [] { return 4200; };
    a.enlaces.veces = [&veces] { return veces; };
    int n = 8;
    for (auto _ : state) {
        a.slider2()->setValue(n);
        n = n == 8 ? 12 : 8;
    }
}
BENCHMARK(BM_Slider2)->Unit(benchmark::kMillisecond);

// Filling a report definition from the database and laying it out in pages.
void BM_Informe(benchmark::State& state) {
    Carpeta c;
    std::array<int16_t, 49> autos{};
    ranking::rankfrecu(c.t.ruta(QStringLiteral("Velmorat.mdb")), vecesHistoriaReal(), 20, autos);
    const QString definicion = informe::definicion(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const informe::Resultado r =
            informe::ejecuta(c.t.ruta(definicion), c.t.ruta(QStringLiteral("Velmorat.mdb")),
                             QString::fromLatin1(BaseInforme::kClave));
        DocumentoInforme doc(r.html);
        benchmark::DoNotOptimize(doc.pageCount());
    }
}
BENCHMARK(BM_Informe)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
