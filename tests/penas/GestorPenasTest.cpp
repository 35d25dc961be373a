#include "penas/GestorPenas.h"
#include "Entorno.h"
#include "stats/BaseInforme.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

QStringList apuestasEnBase(Entorno& e) {
    BaseInforme db;
    QStringList out;
    if (!db.abrir(e.carpeta.ruta(QStringLiteral("Velmorat.mdb"))))
        return {QStringLiteral("<sin base>")};
    for (const QVariantList& f :
         db.consulta(QStringLiteral("SELECT \"Numeros\" FROM \"Peñanums\" ORDER BY rowid")))
        out.append(f.value(0).toString());
    return out;
}

// The report's summary row, every column.
QString filaPena(Entorno& e) {
    BaseInforme db;
    db.abrir(e.carpeta.ruta(QStringLiteral("Velmorat.mdb")));
    QStringList t;
    for (const QVariant& v :
         db.consulta(QStringLiteral("SELECT \"Diasajugar\", \"Dinero\", \"Nombre\", \"Aciertos\", "
                                    "\"Sorteos\", \"3\", \"4\", \"5\", \"5C\", \"6\", \"Dia1\", "
                                    "\"Dia2\" FROM \"Peña\""))
             .value(0))
        t << v.toString();
    return t.join(u'|');
}

} // namespace

TEST(TextoApuesta, SingleDigitsGetALeadingBlank) {
    RegPena p;
    p.apuestas[0] = {8, 4, 10, 30, 33, 45};
    // Percentages round half to even.
    EXPECT_EQ((QStringList{textoApuesta(p, 0, 6), textoPorcentaje(12.5f), textoPorcentaje(12.25f),
                           textoPorcentaje(100.0f), textoSimple(2.5f)}),
              (QStringList{" 8- 4-10-30-33-45", "12,5", "12,2", "100", "2,5"}));
}

TEST(GestorPenas, EmptyFileShowsTheEmptyListAndDetail) {
    Entorno e;
    GestorPenas g(e.s);
    const VistaLista v = g.cargapenas();
    EXPECT_EQ((std::tuple{v.vacio, v.botones, v.detalle.listo, e.s.sigPena, v.chart2[0], v.filas.size()}),
              (std::tuple{true, false, true, 0, 1, 1}));
    EXPECT_EQ(
        (QStringList{v.filas.value(0).nombre, v.combo2.join(u'|'), v.text4, v.detalle.label17,
                     v.detalle.label16, v.detalle.label28, v.detalle.label37}),
        (QStringList{QStringLiteral("VACÍO"), QStringLiteral("No hay Peñas creadas"),
                     QStringLiteral("¡Nunca has acertado nada!"), QStringLiteral("-"), QStringLiteral("-"),
                     QStringLiteral("-Apuestas sencillas."), QStringLiteral("0 euros.")}));
    EXPECT_TRUE(apuestasEnBase(e).isEmpty());
    EXPECT_TRUE(e.dialogs.boxes.isEmpty());

    // A click on the "VACÍO" row selects it like any row.
    g.ListView1_ItemClick(1);
    EXPECT_EQ(e.s.penaSel, 1);
}

TEST(GestorPenas, ListSumsCountersAndShowsEffectiveness) {
    Entorno e;
    RegPena a = Entorno::pena(QStringLiteral("UNO"), 3);
    a.acierto(3) = 2;
    RegPena b = Entorno::pena(QStringLiteral("DOS"), 505);
    b.acierto(4) = 1;
    RegPena c = Entorno::pena(QStringLiteral("TRES"), 10);
    c.acierto(7) = 2;
    RegPena rota = Entorno::pena(QStringLiteral("ROTA"), 2); // damaged: listed, left out of the sums
    rota.acierto(4) = -30000;
    rota.acierto(5) = 900;
    for (const RegPena& p : {a, b, c, rota})
        e.guarda(p);
    e.s.sorteosjugados = 40;
    GestorPenas g(e.s);
    VistaLista v = g.cargapenas(5);
    // A multiple of 10 numbers covers 210 bets; with no peña 5 the first is shown and selected.
    EXPECT_EQ((std::tuple{v.vacio, e.s.sigPena, v.combo2.size(), v.filas.size(), v.filas.value(1).apuestas,
                          v.chart2, e.s.penaSel}),
              (std::tuple{false, 5, 5, 4, 210, std::array<double, 2>{35, 5}, 1}));
    EXPECT_EQ((QStringList{v.label9_2, v.combo2.value(0), v.combo2.value(2).trimmed(), v.label13, v.text4,
                           v.text5}),
              (QStringList{QStringLiteral("4"), QStringLiteral("TODAS LAS PEÑAS"), QStringLiteral("DOS"),
                           QStringLiteral("5"), QStringLiteral("12,5% de efectividad en premios"),
                           QStringLiteral("en 40 sorteos")}));

    e.s.sorteosjugados = 4;
    v = g.cargapenas();
    EXPECT_EQ(std::tuple(v.text4, v.chart2[0]),
              std::tuple(QStringLiteral("100% de efectividad en premios"), 0.0));
}

TEST(GestorPenas, DetailListsBetsWithHeightAndStoresThemInTheDatabase) {
    Entorno e;
    for (int n : {30, 3, 15})
        e.guarda(Entorno::pena(QStringLiteral("P%1").arg(n), n));
    GestorPenas g(e.s);
    g.cargapenas();
    const std::array<int, 2> otras{g.verpena(1).alturaLista, g.verpena(3).alturaLista};
    const VistaPena v = g.verpena(2); // the last shown: its bets stand in the database
    EXPECT_EQ((std::tuple{otras, v.alturaLista, v.apuestas.size()}),
              (std::tuple{std::array{4935, 3225}, 775, 3}));
    EXPECT_EQ(apuestasEnBase(e),
              (QStringList{" 1- 8-15-22-29-36", " 2- 9-16-23-30-37", " 3-10-17-24-31-38"}));
    EXPECT_EQ(e.s.penaActual.nombre.trimmed(), QStringLiteral("P3"));
}

TEST(GestorPenas, KindLineAndWeeklyCost) {
    Entorno e;
    RegPena m = Entorno::pena(QStringLiteral("MULTI"), 503, QStringLiteral("Lunes"));
    m.apuestas[0] = {3, 9, 17, 28, 40};
    e.guarda(m);
    RegPena r = Entorno::pena(QStringLiteral("REDU"), 12, QStringLiteral("Jueves y Sábado"));
    r.reducida = {8, 4};
    r.base = {1, 5, 9, 13, 17, 21, 25, 29};
    e.guarda(r);
    RegPena diez = Entorno::pena(QStringLiteral("DIEZ"), 10, QStringLiteral("Todos (L+J+S)"));
    diez.aciertos = {1, 2, 3, 4, 5}; // 3, 4, 5, 6 hits, 5 + complementario
    e.guarda(diez);
    GestorPenas g(e.s);
    g.cargapenas();

    const auto lineas = [&g](int n) {
        const VistaPena v = g.verpena(n);
        return QStringList{v.apuestas.join(u'|'), v.label28, v.label29, v.label37};
    };
    EXPECT_EQ(lineas(1),
              (QStringList{QStringLiteral(" 3- 9-17-28-40"), QStringLiteral("-Apuesta múltiple de 5 nºs."),
                           QString(), QStringLiteral("44 euros.")}));
    EXPECT_EQ(lineas(2).mid(1),
              (QStringList{QStringLiteral("-Reducida de 8 nºs al 4:"), QStringLiteral("1-5-9-13-17-21-25-29"),
                           QStringLiteral("24 euros.")}));
    e.s.cfg.precio = 1.5f;
    EXPECT_EQ(lineas(3).value(3), QStringLiteral("45 euros."));
    // Dia2 is the creation date while the peña has not been counted.
    EXPECT_EQ(
        filaPena(e),
        QStringLiteral("Todos (L+J+S)|45|DIEZ                |100 %|0|1|2|3|5|4|2026-01-01|2026-01-01"));
}

TEST(GestorPenas, DrawsTakenPartInFollowTheDaysAndTheCreationDate) {
    Entorno e;
    // Monday 30 Nov, Thursday 3 Dec, Saturday 5 Dec 2026, and a Saturday before creation.
    for (QDate d : {QDate(2025, 12, 27), QDate(2026, 11, 30), QDate(2026, 12, 3), QDate(2026, 12, 5)})
        e.sorteo(d);
    RegPena js = Entorno::pena(QStringLiteral("JS"), 2, QStringLiteral("Jueves y Sábado"));
    js.acierto(3) = 1;
    e.guarda(js);
    RegPena todos = Entorno::pena(QStringLiteral("TODOS"), 2, QStringLiteral("Todos (L+J+S)"));
    todos.acierto(5) = 2;
    todos.acierto(6) = 1;
    todos.acierto(7) = 3; // 5 + complementario
    e.guarda(todos);
    RegPena multi = Entorno::pena(QStringLiteral("M"), 506, QStringLiteral("Sábado"));
    multi.acierto(3) = 3;
    e.guarda(multi);
    e.guarda(Entorno::pena(QStringLiteral("NUEVA"), 1, QStringLiteral("Todos (L+J+S)"), QDate(2026, 12, 6)));
    GestorPenas g(e.s);
    g.cargapenas();

    // Draws taken part in, effectiveness (no cap on one peña: 3 winning bets in 1 draw) and
    // draws without a prize.
    const struct {
        const char *sorteos, *efectividad;
        int sinPremio;
    } casos[] = {{"2", "50 %", 1}, {"3", "200 %", 0}, {"1", "300 %", 0}, {"0", "0 %", 0}};
    for (int n = 1; n <= 4; ++n) {
        const VistaPena v = g.verpena(n);
        EXPECT_EQ(v.label17, QString::fromLatin1(casos[n - 1].sorteos)) << n;
        EXPECT_EQ(v.label16, QString::fromLatin1(casos[n - 1].efectividad)) << n;
        EXPECT_EQ(v.chart3[0], casos[n - 1].sinPremio) << n;
    }
    EXPECT_EQ(filaPena(e),
              QStringLiteral("Todos (L+J+S)|3|NUEVA               |0 %|0|0|0|0|0|0|2026-12-06|2026-12-06"));
    g.verpena(2);
    EXPECT_EQ(filaPena(e),
              QStringLiteral("Todos (L+J+S)|6|TODOS               |200 %|3|0|0|2|3|1|2026-01-01|2026-01-01"));
}

TEST(GestorPenas, DamagedRecordAndMissingDatabaseAreReported) {
    Entorno e;
    e.guarda(Entorno::pena(QStringLiteral("BIEN"), 2));
    e.guarda(Entorno::pena(QStringLiteral("MAL"), 300));
    e.guarda(Entorno::pena(QStringLiteral("CODIGO"), 520));
    GestorPenas g(e.s);
    g.cargapenas();
    for (int n : {2, 3}) {
        const VistaPena v = g.verpena(n);
        EXPECT_EQ(std::tuple(v.listo, v.salir), std::tuple(false, false)) << n;
        EXPECT_EQ(v.mensaje, QStringLiteral("Posiblemente el fichero de apuestas está corrupto. Error 9"));
        EXPECT_TRUE(apuestasEnBase(e).isEmpty());
    }

    QFile::remove(e.carpeta.ruta(QStringLiteral("Velmorat.mdb")));
    const VistaPena v = g.verpena(1);
    EXPECT_EQ(std::tuple(v.listo, v.salir), std::tuple(false, true));
    // The missing file is named, with the way to restore it.
    EXPECT_TRUE(
        v.mensaje.startsWith(QStringLiteral("No se encuentra el archivo Velmorat.mdb en la carpeta del "
                                            "programa. Reinstalar el programa lo restaura. Error -")));
    EXPECT_FALSE(e.carpeta.exists(QStringLiteral("Velmorat.mdb")));
}

TEST(GestorPenas, SummaryTableWithoutItsRowEndsTheProgramAfterShowingTheDetail) {
    Entorno e;
    e.guarda(Entorno::pena(QStringLiteral("UNA"), 2));
    {
        BaseInforme db;
        ASSERT_TRUE(db.abrir(e.carpeta.ruta(QStringLiteral("Velmorat.mdb"))));
        db.ejecuta(QStringLiteral("DELETE FROM \"Peña\""));
    }
    GestorPenas g(e.s);
    const VistaPena v = g.cargapenas().detalle;
    EXPECT_EQ((std::tuple{v.listo, v.costeListo, v.salir}), (std::tuple{true, false, true}));
    EXPECT_TRUE(v.mensaje.endsWith(QStringLiteral("Error 3021")));
}

TEST(GestorPenas, ErrorNumbersChooseTheMessageAndWhetherTheProgramEnds) {
    // A database that cannot be written names the cause: reinstalling would not help. A full
    // disk does not end the program, the user frees space and goes on.
    const std::tuple<int, const char*, bool> casos[] = {
        {430, "El sistema operativo no tiene", false},
        {3021, "Un archivo necesario", true},
        {-26, "Un archivo necesario", true},
        {-14, "Un archivo necesario", true},
        {-13, "No se ha podido guardar el archivo Velmorat.mdb porque el disco está lleno.", false},
        {-8, "Para modificar el archivo", true},
        {3027, "No se ha podido guardar el archivo Velmorat.mdb. (", false}};
    for (const auto& [error, inicio, termina] : casos) {
        bool salir = !termina;
        EXPECT_TRUE(mensajeErrorDetalle(error, &salir).startsWith(QString::fromUtf8(inicio))) << error;
        EXPECT_EQ(salir, termina) << error;
    }
    EXPECT_EQ(QStringList({tituloErrorDetalle(-13), tituloErrorDetalle(-8), tituloErrorDetalle(3021)}),
              (QStringList{"Disco lleno", "Error de permiso", "¡Vaya hombre!"}));
}
