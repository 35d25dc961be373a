// Scanning the download file: a reply of a hundred days and one of several megabytes.
#include "core/OleDate.h"
#include "download/Importacion.h"
#include "download/Scanner.h"
#include "download/WwwFile.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A reply of `n` draws every 2-3 days back from 19 August 2017, in the service's shape.
QString reply(int n) {
    QString out = QStringLiteral("[");
    QDate d(2017, 8, 19);
    for (int i = 0; i < n; ++i, d = d.addDays(i % 2 ? -2 : -3)) {
        if (i)
            out += QLatin1Char(',');
        out += QStringLiteral(
                   "{\"fecha_sorteo\":\"%1 "
                   "21:40:00\",\"dia_semana\":\"jueves\",\"id_sorteo\":\"%2\",\"game_id\":"
                   "\"LAPR\",\"anyo\":\"%3\",\"premio_bote\":\"0,00\",\"combinacion\":\"0%4 - 12 - 19 - 2%4 "
                   "- 33 - "
                   "4%4 C(17) "
                   "R(%4)\",\"premios\":\"1,00\",\"fondo_bote\":\"0,00\",\"joker\":{\"gameid\":\"LAPJ\","
                   "\"relsorteoid_asociado\":\"%2\",\"combinacion\":\"12345%4%4\",\"bote_joker\":\"0,00\","
                   "\"activo\":"
                   "\"1\"},\"escrutinio\":[")
                   .arg(d.toString(Qt::ISODate))
                   .arg(i)
                   .arg(d.year())
                   .arg(i % 9 + 1);
        for (int k = 1; k <= 7; ++k)
            out += QStringLiteral("{\"tipo\":\"%1ª "
                                  "categoría\",\"categoria\":%1,\"premio\":\"%2,00\",\"ganadores\":\"%3\"}%4")
                       .arg(k)
                       .arg(100000 / k)
                       .arg(k * 11)
                       .arg(k < 7 ? QStringLiteral(",") : QStringLiteral("]}"));
    }
    return out + QLatin1Char(']');
}

void importa(benchmark::State& state, int draws, int nuevos) {
    QTemporaryDir dir;
    const QString text = reply(draws);
    QFile f(dir.filePath(QStringLiteral("www.txt")));
    f.open(QIODevice::ReadWrite);
    f.write(formaWww(text));
    f.flush();
    QDate limite(2017, 8, 19);
    for (int i = 0; i < nuevos; ++i)
        limite = limite.addDays((i + 1) % 2 ? -2 : -3);
    for (auto _ : state) {
        RegSorteo sorteo;
        sorteo.fecha = oledate::fromQDate(limite);
        const ResultadoImport r = leeRespuesta(f, text.size(), sorteo);
        benchmark::DoNotOptimize(r.sorteos.size());
        if (r.error || r.sorteos.size() != nuevos)
            state.SkipWithError("unexpected import");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * f.size());
}

} // namespace

// A usual reply: about 43 draws of the last hundred days, three of them new.
static void BM_ImportHundredDays(benchmark::State& s) {
    importa(s, 43, 3);
}
BENCHMARK(BM_ImportHundredDays)->Unit(benchmark::kMicrosecond);

// A reply of several megabytes whose dates are all searched, the most the import may take.
static void BM_ImportSeveralMegabytes(benchmark::State& s) {
    importa(s, 4000, 50);
}
BENCHMARK(BM_ImportSeveralMegabytes)->Unit(benchmark::kMillisecond);

// One key search that runs through a 4 MB file without a match.
static void BM_ScanMissOverFourMegabytes(benchmark::State& state) {
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("www.txt")));
    f.open(QIODevice::ReadWrite);
    f.write(QByteArray(4 << 20, 'x'));
    f.flush();
    for (auto _ : state) {
        scan::setPosition(f, 1);
        benchmark::DoNotOptimize(busca(f, QStringLiteral("urlContenido"), QStringLiteral(":"), 0));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * f.size());
}
BENCHMARK(BM_ScanMissOverFourMegabytes)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
