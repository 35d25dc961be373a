// The results check over the real draw history: peñas of 205 simple bets and multiple peñas
// of 11 numbers, every stored draw, counters and rows included; the first count of many
// peñas never counted; and the memory of the results panel while the unfiltered list of all
// those draws is shown and scrolled.
#include "checking/Comprobacion.h"
#include "MainQt.h"
#include "checking/VistaResultados.h"
#include "checking/gui/PanelResultados.h"
#include "core/OleDate.h"
#include "core/Session.h"
#include "platform/Clock.h"
#include "support/FakeDialogs.h"
#include "support/TestFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <fstream>
#include <random>
#include <string>

namespace {

long memoriaKb(const char* campo) {
    std::ifstream f("/proc/self/status");
    std::string l;
    while (std::getline(f, l))
        if (l.rfind(campo, 0) == 0)
            return std::stol(l.substr(std::string(campo).size() + 1));
    return 0;
}

// A program folder with the real history and the peñas, created before the first draw and
// never counted: `sencillas` peñas of 205 bets, then `multiples` of 11 numbers.
struct Carpeta {
    TestFolder dir;
    QByteArray penas;

    explicit Carpeta(int sencillas = 20, int multiples = 5) {
        QFile::copy(QStringLiteral(VELMORAT_TEST_DATA "/numeros-historia.dat"),
                    dir.ruta(QStringLiteral("numeros.dat")));
        std::mt19937 azar(49);
        auto seis = [&](int n) {
            std::vector<int> v(49);
            for (int i = 0; i < 49; ++i)
                v[static_cast<size_t>(i)] = i + 1;
            std::shuffle(v.begin(), v.end(), azar);
            v.resize(static_cast<size_t>(n));
            std::sort(v.begin(), v.end());
            return v;
        };
        for (int p = 0; p < sencillas + multiples; ++p) {
            RegPena r;
            r.nombre = QStringLiteral("PEÑA %1").arg(p + 1).leftJustified(RegPena::kNombre);
            r.dias = QStringLiteral("Todos (L+J+S)").leftJustified(RegPena::kDias);
            r.fecha = oledate::fromYmd(1985, 1, 1);
            const bool multiple = p >= sencillas;
            r.numApuestas = multiple ? 506 : 205;
            for (int b = 0; b < (multiple ? 1 : 205); ++b) {
                const std::vector<int> v = seis(multiple ? 11 : 6);
                for (size_t k = 0; k < v.size(); ++k)
                    r.apuestas[static_cast<size_t>(b)][k] = static_cast<int16_t>(v[k]);
            }
            penas += r.encode();
        }
    }
    void reiniciar(Session& s) {
        s.files.cerrarTodos();
        dir.write(QStringLiteral("apuestas.dat"), penas);
        s.rutaApp = dir.rutaApp();
        s.files.abrir(s.rutaApp);
    }
};

// A fingerprint of every row, text, colour and counter a check leaves, to compare two builds.
size_t huella(Comprobacion& c, Session& s) {
    size_t h = 0;
    auto mezcla = [&](size_t v) { h = h * 1000003u ^ v; };
    for (const FuenteFilas* f : {static_cast<const FuenteFilas*>(&c.lista2()),
                                 static_cast<const FuenteFilas*>(&c.lista4())}) {
        mezcla(size_t(f->filas()));
        const int columnas = int(f->cabeceras().size());
        for (int r = 0; r < f->filas(); ++r)
            for (int k = 1; k < columnas; ++k) {
                mezcla(qHash(f->texto(r, k)));
                mezcla(f->color(r, k).rgba());
            }
    }
    for (qint64 p = 1; p <= s.files.apuestas.count(); ++p)
        mezcla(qHash(s.files.apuestas.read(p)));
    return h;
}

// One check of the whole history (or `listados` newest draws) over fresh, never-counted
// peñas; with the argument 1 the last run also leaves the fingerprint of its rows.
void comprobar(benchmark::State& state, int sencillas, int multiples, int listados) {
    Carpeta c(sencillas, multiples);
    FakeDialogs dialogs;
    SystemClock clock;
    Session s(dialogs, clock);
    VistaResultados vista;
    Comprobacion comprobacion(s, vista);
    int filas = 0;
    for (auto _ : state) {
        state.PauseTiming();
        c.reiniciar(s);
        state.ResumeTiming();
        comprobacion.listasencillas(listados);
        filas = comprobacion.lista2().filas() + comprobacion.lista4().filas();
    }
    state.counters["sorteos"] = double(s.files.numeros.count());
    state.counters["filas"] = filas;
    state.counters["aciertos3_pena1"] = s.files.apuestas.get<RegPena>(1).acierto(3);
    if (state.range(0) == 1)
        state.SetLabel(QString::number(qulonglong(huella(comprobacion, s)), 16).toStdString());
}

void BM_ComprobacionHistoriaCompleta(benchmark::State& state) {
    comprobar(state, 20, 5, 32767);
}
BENCHMARK(BM_ComprobacionHistoriaCompleta)->Unit(benchmark::kMillisecond)->Iterations(5)->Arg(0);

// The full listing of 50 peñas of 205 bets and 5 multiple peñas over every stored draw.
void BM_ListadoCompleto50(benchmark::State& state) {
    comprobar(state, 50, 5, 32767);
}
BENCHMARK(BM_ListadoCompleto50)->Unit(benchmark::kMillisecond)->Iterations(5)->Arg(0);

// The first check after an import or a reset: 300 peñas never counted, one draw listed,
// every older draw counted.
void BM_PrimeraCuenta300(benchmark::State& state) {
    comprobar(state, 300, 0, 1);
}
BENCHMARK(BM_PrimeraCuenta300)->Unit(benchmark::kMillisecond)->Iterations(5)->Arg(0);

// The same checks once each, with the fingerprint of rows and counters as the label.
BENCHMARK(BM_ComprobacionHistoriaCompleta)->Unit(benchmark::kMillisecond)->Iterations(1)->Arg(1);
BENCHMARK(BM_ListadoCompleto50)->Unit(benchmark::kMillisecond)->Iterations(1)->Arg(1);
BENCHMARK(BM_PrimeraCuenta300)->Unit(benchmark::kMillisecond)->Iterations(1)->Arg(1);

void BM_PanelListaCompletaMemoria(benchmark::State& state) {
    Carpeta c;
    FakeDialogs dialogs;
    SystemClock clock;
    Session s(dialogs, clock);
    c.reiniciar(s);
    QWidget ventana;
    auto* barra = new QScrollBar(Qt::Horizontal, &ventana);
    auto* texto = new QLineEdit(&ventana);
    auto* check1 = new QCheckBox(&ventana);
    auto* check2 = new QCheckBox(&ventana);
    auto* panel = new PanelResultados(s, barra, texto, check1, check2, &ventana);
    ventana.resize(1000, 700);
    panel->resize(1000, 700);
    ventana.show();
    barra->setRange(1, int(s.files.numeros.count()));
    for (auto _ : state) {
        barra->setValue(barra->maximum()); // the whole history, unfiltered
        QApplication::processEvents();
        QScrollBar* v = panel->listView(0)->verticalScrollBar();
        for (int i = 0; i <= 20; ++i) {
            v->setValue(v->maximum() / 20 * i);
            panel->listView(0)->viewport()->repaint();
        }
        barra->setValue(1);
        QApplication::processEvents();
    }
    state.counters["filas_max"] = 0;
    barra->setValue(barra->maximum());
    state.counters["filas_max"] = panel->listView(0)->model()->rowCount();
    state.counters["VmHWM_MB"] = double(memoriaKb("VmHWM:")) / 1024.0;
    state.counters["VmRSS_MB"] = double(memoriaKb("VmRSS:")) / 1024.0;
}
BENCHMARK(BM_PanelListaCompletaMemoria)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return ejecutaBenchmarksQt(argc, argv);
}
