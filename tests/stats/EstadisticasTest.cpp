#include "core/OleDate.h"
#include "stats/BaseInforme.h"
#include "stats/SeleccionEstadisticas.h"
#include "stats/gui/ModeloSorteos.h"
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
        abreDatos();
        s.sigSorteo = int(sorteos.size()) + 1;
    }
    QVariantList fila(const QString& sql) {
        BaseInforme db;
        db.abrir(dir.ruta(QStringLiteral("Velmorat.mdb")));
        return db.consulta(sql).value(0);
    }
    std::vector<RegSorteo> sorteos = sorteosHistoriaReal();
};

} // namespace

// Counts of the real history, made once by hand from the file: every draw: 4175 draws,
// number 1 came out 540 times, 25 482 times (33 on Mondays, 241 on Thursdays, 208 on
// Saturdays), 26 503 times, 49 485 times; Thursdays and Saturdays from 1 March 2015: 1176
// draws from 5 March 2015 to 15 August 2026, number 1 166 times, 49 142 times.
TEST(Estadisticas, CountsOfTheRealHistoryOnBothPagesAndPerWeekday) {
    Historia h;
    const Estadisticas e = calculaEstadisticas(h.s.files.numeros, h.s.sigSorteo, {}, 0);
    EXPECT_EQ((std::tuple{e.sorteossel, e.filas.size(), e.veces[1], e.veces[26], e.veces[49]}),
              (std::tuple{4175, size_t(4175), 540, 503, 485}));
    // Both pages show 25 with the same counts, per weekday too; page 2's second row is 26.
    const PaginaGrafica g1 = e.datosGrafica(1), g2 = e.datosGrafica(2), g4 = e.datosGrafica(4);
    EXPECT_EQ((QStringList{g1[0].etiqueta, g1[24].etiqueta, g2[0].etiqueta, g2[24].etiqueta}),
              (QStringList{" 1", " 25", " 25", " 49"}));
    EXPECT_EQ((std::tuple{g1[24].veces[0], g2[0].veces[0], g2[1].veces[0], g4[0].veces}),
              (std::tuple{482, 482, 503, std::array<int, 3>{33, 241, 208}}));
    // The newest stored draw is a Monday.
    EXPECT_EQ((std::tuple{e.frase, oledate::toQDate(e.fechasSel[1])}),
              (std::tuple{textoSorteo(h.sorteos.back()), QDate(1985, 10, 17)}));

    // Told of one draw less, the newest (the Monday) is left out: Saturday 15 August is the newest.
    const Estadisticas js = calculaEstadisticas(h.s.files.numeros, h.s.sigSorteo - 1, {false, true, true},
                                                oledate::fromYmd(2015, 3, 1));
    EXPECT_EQ((std::tuple{js.sorteossel, js.veces[1], js.veces[49], oledate::toQDate(js.fechasSel[0]),
                          oledate::toQDate(js.fechasSel[1]), js.frase}),
              (std::tuple{1176, 166, 142, QDate(2026, 8, 15), QDate(2015, 3, 5),
                          textoSorteo(h.sorteos.at(h.sorteos.size() - 2))}));
}

TEST(TextoSorteo, RowCellsOfTheDrawsList) {
    RegSorteo r = registroSorteo(oledate::fromYmd(2026, 11, 30), {1, 2, 3, 4, 9, 6}, 7, 8); // a Monday
    // Through the list's model: its headers and the three cells of a row.
    ModeloSorteos m;
    const auto celdas = [&m, &r](int fila = 0) { // -1: the headers
        m.reemplazar({{1, r}});
        QStringList c;
        for (int k = 0; k < 3; ++k)
            c << (fila < 0 ? m.headerData(k, Qt::Horizontal, Qt::DisplayRole) : m.index(fila, k).data())
                     .toString();
        return c;
    };
    EXPECT_EQ(celdas(-1), (QStringList{"Números ganadores", "Joker", "Fecha"}));
    EXPECT_EQ(celdas(), (QStringList{" 1- 2- 3- 4- 9-6   C: 7  R: 8", "-", "30/11/2026  Lunes "}));
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
    EXPECT_EQ(std::tuple(e.sorteossel, std::accumulate(e.veces.begin(), e.veces.end(), 0)), std::tuple(1, 2));

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

    // Unticking "Todos" in the wizard ticks both period boxes and shows the sliders.
    f.periodo(f.click(F::TodosPaso1, false));
    EXPECT_EQ((std::tuple{f.marcada(F::Todos), f.marcada(F::UltimoMes), f.marcada(F::UltimoMesPaso1),
                          f.barrasVisibles(), f.captionUltimoMes()}),
              (std::tuple{false, true, true, true, QStringLiteral("Último mes")}));

    // A weekday box moves its twin; "Comparativa" ticks and locks the boxes, and unticked
    // frees them still ticked.
    f.click(F::Jueves, false);
    EXPECT_EQ((std::tuple{f.marcada(F::JuevesPaso1), f.descripcionDias(), f.diasajugar()}),
              (std::tuple{false, QStringLiteral("sólo los números de los sorteos del LUNES y SÁBADO."),
                          QStringLiteral("Lunes y Sábado.")}));
    f.click(F::Comparativa, true);
    f.click(F::Comparativa, false);
    EXPECT_EQ((std::tuple{f.marcada(F::Jueves), f.habilitada(F::Jueves), f.leyendaVisible()}),
              (std::tuple{true, true, false}));
}

// The stored selection and both summaries follow the boxes; with no weekday the stored
// weekdays keep their previous value.
TEST(Seleccion, StoresTheSelectionAndTheNewestDraw) {
    Historia h;
    SeleccionEstadisticas sel(h.s);
    sel.estadisticasSeleccion();
    sel.guardaSeleccion();
    EXPECT_EQ(h.fila(QStringLiteral(
                  "SELECT Dia1, Dia2, Total, Diasajugar, (SELECT Frase FROM Informe) FROM Sorteos")),
              (QVariantList{"1985-10-17", "2026-08-17", 4175, "Lunes, Jueves y sábado.",
                            textoSorteo(h.sorteos.back())}));

    // The last month runs from noon on 20 July: that Monday's draw is out, 12 draws remain. A box
    // clicked while the counts are made is ignored; no fewer than one month is counted.
    QObject::connect(
        &sel, &SeleccionEstadisticas::calculadas, &sel, [&sel] { sel.Check3_Click(F::Lunes, false); },
        Qt::SingleShotConnection);
    sel.Check3_Click(F::Todos, false);
    sel.Slider1_Change(0);
    EXPECT_EQ(h.fila(QStringLiteral("SELECT Dia1, Dia2, Total FROM Sorteos")),
              (QVariantList{QStringLiteral("2026-07-23"), QStringLiteral("2026-08-17"), 12}));
    EXPECT_EQ(sel.label21(),
              QStringLiteral("-Tiene seleccionados sólo el último mes de sorteos, desde el "
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
    sel.estadisticas(oledate::fromYmd(2026, 8, 17)); // only the newest draw
    sel.guardaSeleccion();
    EXPECT_TRUE(sel.label27().startsWith(QStringLiteral("-Ha seleccionado")));
    sel.Slider1_Change(6);
    EXPECT_EQ(sel.label7(), QStringLiteral("TOTAL: 77 sorteos."));
    sel.fijaMaximoMeses(2);
    EXPECT_EQ(
        (std::tuple{sel.label7(), h.fila(QStringLiteral("SELECT Total FROM Sorteos")).value(0).toInt()}),
        (std::tuple{QStringLiteral("TOTAL: 25 sorteos."), 25}));

    sel.Check3_Click(F::Todos, true);
    for (int c : {F::Lunes, F::Jueves, F::Sabado})
        sel.Check3_Click(c, false);
    EXPECT_EQ((QStringList{sel.label7(), sel.label27()}),
              (QStringList{"TOTAL: 0 sorteos.", "¡¡Con 0 sorteos seleccionados no es posible continuar!!"}));
    EXPECT_EQ(
        h.fila(QStringLiteral("SELECT Diasajugar, Total, Dia2, (SELECT Frase FROM Informe) FROM Sorteos")),
        (QVariantList{QStringLiteral("Sábado."), 0, QStringLiteral("2026-08-15"), QString()}));

    // A failed write names the file and its reason (the limit holds for this statement only).
    LimiteEscritura(0), sel.guardaSeleccion();
    QFile::remove(h.dir.ruta(QStringLiteral("Velmorat.mdb")));
    sel.guardaSeleccion(), sel.guardaSeleccion(); // the same failure again: told once
    EXPECT_EQ(
        (std::tuple{h.dialogs.boxes.size(), h.dialogs.boxes.value(0).title, h.dialogs.boxes.value(0).text}),
        (std::tuple{2, QStringLiteral("Error de escritura"),
                    QStringLiteral("No se ha podido guardar el archivo Velmorat.mdb. (disk I/O error)")}));
    EXPECT_EQ(h.dialogs.caja(1),
              (std::tuple{QStringLiteral("No se encuentra el archivo Velmorat.mdb en la carpeta "
                                         "del programa. Reinstalar el programa lo restaura."),
                          QStringLiteral("Falta un archivo"), Dialogs::Icon::Exclamation}));
}
