#include "core/OleDate.h"
#include "stats/BaseInforme.h"
#include "stats/SeleccionEstadisticas.h"
#include "support/HistoriaReal.h"
#include "support/LimiteEscritura.h"
#include "support/SesionPrueba.h"

#include <QFile>
#include <gtest/gtest.h>
#include <numeric>

namespace {

using F = FiltrosEstadisticas;

// A program folder holding the real draw history and the report database.
struct Historia : SesionPrueba {
    Historia() : SesionPrueba(QDate(2026, 8, 20)) {
        dir.write(QStringLiteral("numeros.dat"), bytesHistoriaReal());
        dir.conBase();
        s.rutaApp = dir.rutaApp();
        s.files.abrir(s.rutaApp);
        s.sigSorteo = int(sorteos.size()) + 1;
    }
    QVariantList fila(const QString& sql) {
        BaseInforme db;
        db.abrir(dir.ruta(QStringLiteral("Velmorat.mdb")));
        return db.consulta(sql).value(0);
    }
    std::vector<RegSorteo> sorteos = sorteosHistoriaReal();
};

// 1 Monday, 4 Thursday, 6 Saturday.
int diaSemana(const RegSorteo& r) {
    return oledate::toQDate(r.fecha).dayOfWeek();
}

} // namespace

struct Recuento {
    bool lunes, jueves, sabado;
    QDate desde;
};

class HistoriaReal : public ::testing::TestWithParam<Recuento> {};

// The counts, total, dates and list agree with a count made here over the real history.
TEST_P(HistoriaReal, CountsMatchACountOverTheFile) {
    const Recuento p = GetParam();
    Historia h;
    const double desde = p.desde.isValid() ? oledate::fromQDate(p.desde) : 0.0;
    std::array<int, 50> veces{};
    int total = 0;
    double nueva = 0, vieja = 0;
    for (const RegSorteo& r : h.sorteos) {
        const int d = diaSemana(r);
        if (!((d == 1 && p.lunes) || (d == 4 && p.jueves) || (d == 6 && p.sabado)) || r.fecha < desde)
            continue;
        ++total;
        for (int i = 0; i < 6; ++i)
            ++veces[size_t(r.bolas[size_t(i)])];
        nueva = total == 1 || r.fecha > nueva ? r.fecha : nueva;
        vieja = total == 1 || r.fecha < vieja ? r.fecha : vieja;
    }
    ASSERT_GT(total, 0);

    const Estadisticas e =
        calculaEstadisticas(h.s.files.numeros, h.s.sigSorteo, {p.lunes, p.jueves, p.sabado}, desde);
    EXPECT_EQ(e.sorteossel, total);
    ASSERT_EQ(e.filas.size(), size_t(total));
    EXPECT_EQ((std::tuple{e.filas.front().sorteo.fecha, e.fechasSel[0], e.fechasSel[1]}),
              (std::tuple{nueva, nueva, vieja}));
    const std::array<int, 49> f = e.frecuencias();
    for (int n = 1; n <= 49; ++n)
        EXPECT_EQ(f[size_t(n - 1)], veces[size_t(n)]) << n;
    // Both pages show 25 with the same counts; page 2 row 2 is 26; the weekday grids add up.
    const PaginaGrafica g1 = e.datosGrafica(1), g2 = e.datosGrafica(2), g4 = e.datosGrafica(4);
    EXPECT_EQ((QStringList{g1[24].etiqueta, g2[0].etiqueta}), (QStringList{" 25", " 25"}));
    EXPECT_EQ((std::tuple{g2[0].veces[0], g2[1].veces[0], g4[0].veces[0] + g4[0].veces[1] + g4[0].veces[2]}),
              (std::tuple{veces[25], veces[26], veces[25]}));
    // The newest stored draw is a Monday.
    EXPECT_EQ(e.frase, p.lunes ? textoSorteo(h.sorteos.back()) : QString());
}

INSTANTIATE_TEST_SUITE_P(Filtros, HistoriaReal,
                         ::testing::Values(Recuento{true, true, true, {}}, Recuento{true, false, false, {}},
                                           Recuento{false, true, true, QDate(2015, 3, 1)},
                                           Recuento{true, true, true, QDate(2024, 6, 15)}));

TEST(TextoSorteo, RowCellsOfTheDrawsList) {
    RegSorteo r;
    r.bolas = {1, 2, 3, 4, 5, 6, 7, 8};
    r.fecha = oledate::fromYmd(2026, 11, 30); // a Monday
    r.numJoker = -1;
    const auto celdas = [&r] { return QStringList{textoSorteo(r), textoJoker(r), textoFechaSorteo(r)}; };
    EXPECT_EQ(celdas(), (QStringList{" 1- 2- 3- 4- 5-6   C: 7  R: 8", "-", "30/11/2026  Lunes "}));
    r.bolas = {10, 20, 30, 40, 45, 49, 12, -1};
    r.fecha = oledate::fromYmd(2026, 12, 3);
    r.numJoker = 1234567;
    EXPECT_EQ(celdas(), (QStringList{"10-20-30-40-45-49  C: 12 R: -", "1234567", "03/12/2026  Jueves"}));
}

// Numbers outside 1..49 in a damaged record are listed but never index a grid.
TEST(Estadisticas, DamagedNumbersAndEmptySelections) {
    Historia h;
    RegSorteo malo = h.sorteos.back();
    malo.bolas = {0, -5, 50, 32767, 1, 49, 3, 2};
    malo.fecha += 3; // the Thursday after the newest draw
    h.s.files.numeros.put(h.s.sigSorteo, malo);
    ++h.s.sigSorteo;
    const Estadisticas e = calculaEstadisticas(h.s.files.numeros, h.s.sigSorteo, {}, malo.fecha);
    ASSERT_EQ(e.sorteossel, 1);
    EXPECT_EQ(std::accumulate(e.veces.begin(), e.veces.end(), 0), 2);

    const Estadisticas ninguno =
        calculaEstadisticas(h.s.files.numeros, h.s.sigSorteo, {false, false, false}, 0);
    EXPECT_EQ((std::tuple{ninguno.sorteossel, ninguno.filas.size(), ninguno.hayFechas, ninguno.hayUltimo,
                          ninguno.frase}),
              (std::tuple{0, 0, false, true, QString()}));

    h.s.files.numeros.close();
    const Estadisticas vacio = calculaEstadisticas(h.s.files.numeros, h.s.sigSorteo, {}, 0);
    EXPECT_EQ((std::tuple{vacio.hayUltimo, vacio.sorteossel}), (std::tuple{false, 0}));
}

TEST(Filtros, TwinsPeriodAndComparison) {
    F f;
    EXPECT_FALSE(f.barrasVisibles());

    // Unticking "Todos" in the wizard ticks both period boxes and shows the sliders.
    EXPECT_EQ(f.click(F::TodosPaso1, false), 1);
    f.periodo(1);
    EXPECT_EQ((std::tuple{f.marcada(F::Todos), f.marcada(F::UltimoMes), f.marcada(F::UltimoMesPaso1),
                          f.barrasVisibles(), f.captionUltimoMes()}),
              (std::tuple{false, true, true, true, QStringLiteral("Último mes")}));
    const QDate hoy(2026, 12, 5);
    EXPECT_DOUBLE_EQ(f.desde(hoy), oledate::fromQDate(hoy) - 30.5);
    f.fijaMeses(24);
    EXPECT_DOUBLE_EQ(f.desde(hoy), oledate::fromQDate(hoy) - 732);
    f.fijaMaximo(6);
    EXPECT_EQ((std::tuple{f.meses(), f.textoPeriodo()}),
              (std::tuple{6, QStringLiteral("los últimos 6 meses de sorteos, desde el ")}));

    // A weekday box moves its twin; "Comparativa" ticks and locks the boxes, and unticked
    // frees them still ticked.
    f.click(F::Jueves, false);
    EXPECT_FALSE(f.marcada(F::JuevesPaso1));
    EXPECT_EQ(f.descripcionDias(), QStringLiteral("sólo los números de los sorteos del LUNES y SÁBADO."));
    f.click(F::Comparativa, true);
    f.click(F::Comparativa, false);
    EXPECT_EQ((std::tuple{f.marcada(F::Jueves), f.habilitada(F::Jueves), f.leyendaVisible()}),
              (std::tuple{true, true, false}));
    for (int c : {F::Lunes, F::Jueves, F::Sabado})
        f.click(c, false);
    EXPECT_EQ((QStringList{f.descripcionDias(), f.diasajugar()}), (QStringList{"0 días de la semana.", ""}));
}

// The stored selection and both summaries follow the boxes; with no weekday the stored
// weekdays keep their previous value.
TEST(Seleccion, StoresTheSelectionAndTheNewestDraw) {
    Historia h;
    SeleccionEstadisticas sel(h.s);
    sel.estadisticasSeleccion();
    sel.guardaSeleccion();
    const QString nueva = oledate::toQDate(h.sorteos.back().fecha).toString(Qt::ISODate);
    QVariantList fila = h.fila(QStringLiteral("SELECT Dia1, Dia2, Total, Diasajugar FROM Sorteos"));
    ASSERT_EQ(fila.size(), 4);
    EXPECT_EQ(fila, (QVariantList{oledate::toQDate(h.sorteos.front().fecha).toString(Qt::ISODate), nueva,
                                  int(h.sorteos.size()), QStringLiteral("Lunes, Jueves y sábado.")}));
    EXPECT_EQ(h.fila(QStringLiteral("SELECT Frase FROM Informe")).value(0).toString(),
              textoSorteo(h.sorteos.back()));
    EXPECT_TRUE(
        sel.label21().startsWith(QStringLiteral("-Tiene seleccionados todos los sorteos. Desde el ")));
    EXPECT_TRUE(sel.label21().endsWith(
        QStringLiteral(", en total, %1 sorteos en la base de datos.").arg(h.sorteos.size())));

    // The last month runs from noon on 20 July: that Monday's draw is out, 12 draws remain.
    sel.Check3_Click(F::Todos, false);
    EXPECT_EQ(sel.ocupado(), 0);
    EXPECT_EQ(h.fila(QStringLiteral("SELECT Dia1, Dia2, Total FROM Sorteos")),
              (QVariantList{QStringLiteral("2026-07-23"), QStringLiteral("2026-08-17"), 12}));
    EXPECT_EQ(sel.label21(), QStringLiteral("-Tiene seleccionados sólo el último mes de sorteos, desde el "
                                            "23/07/2026 al 17/08/2026, en total, 12 sorteos en la base de datos."));
    EXPECT_EQ(sel.label27(),
              QStringLiteral("-Ha seleccionado tanto los números de los sorteos del LUNES, JUEVES, "
                             "como los del SÁBADO."));
    // Two months run from midnight on 20 June: that Saturday is in, 25 draws.
    sel.Slider1_Change(2);
    EXPECT_EQ((QStringList{sel.filtros().captionUltimoMes(), sel.label7(), sel.label21()}),
              (QStringList{"Últimos 2 meses", "TOTAL: 25 sorteos.",
                           "-Tiene seleccionados los últimos 2 meses de sorteos, desde el 20/06/2026 al "
                           "17/08/2026, en total, 25 sorteos en la base de datos."}));
    // A lower month limit moves the sliders and counts again.
    sel.Slider1_Change(6);
    EXPECT_EQ(sel.label7(), QStringLiteral("TOTAL: 77 sorteos."));
    sel.fijaMaximoMeses(2);
    EXPECT_EQ((std::tuple{sel.label7(), h.fila(QStringLiteral("SELECT Total FROM Sorteos")).value(0).toInt()}),
              (std::tuple{QStringLiteral("TOTAL: 25 sorteos."), 25}));

    sel.Check3_Click(F::Todos, true);
    for (int c : {F::Lunes, F::Jueves, F::Sabado})
        sel.Check3_Click(c, false);
    EXPECT_EQ((QStringList{sel.label7(), sel.label27()}),
              (QStringList{"TOTAL: 0 sorteos.", "¡¡Con 0 sorteos seleccionados no es posible continuar!!"}));
    EXPECT_EQ(h.fila(QStringLiteral("SELECT Diasajugar, Total FROM Sorteos")),
              (QVariantList{QStringLiteral("Sábado."), 0}));
    EXPECT_TRUE(h.fila(QStringLiteral("SELECT Frase FROM Informe")).value(0).toString().isEmpty());
    EXPECT_TRUE(h.dialogs.boxes.isEmpty());

    {
        // A failed write names the file and its reason.
        LimiteEscritura lleno(0);
        sel.guardaSeleccion();
    }
    QFile::remove(h.dir.ruta(QStringLiteral("Velmorat.mdb")));
    sel.guardaSeleccion();
    ASSERT_EQ(h.dialogs.boxes.size(), 2);
    EXPECT_EQ(h.dialogs.boxes[0].title, QStringLiteral("Error de escritura"));
    EXPECT_TRUE(h.dialogs.boxes[0].text.startsWith(QStringLiteral("No se ha podido guardar el archivo Velmorat.mdb. (")));
    EXPECT_EQ(h.dialogs.caja(1), (std::tuple{QStringLiteral("No se encuentra el archivo Velmorat.mdb en la carpeta "
                                                           "del programa. Reinstalar el programa lo restaura."),
                                             QStringLiteral("Falta un archivo"), Dialogs::Icon::Exclamation}));
}
