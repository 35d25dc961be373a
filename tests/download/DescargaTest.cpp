#include "Banco.h"

#include "download/Descarga.h"
#include "download/Escrutinio.h"
#include "download/Trae.h"
#include "download/WwwFile.h"

#include "support/LimiteEscritura.h"

#include <QUrlQuery>
#include <gtest/gtest.h>

using respuestas::Sorteo;

namespace {

const QDate kHoy(2017, 8, 19);
const std::tuple kSinDatos{QStringLiteral("Aun no hay datos de sorteos del 2017."),
                           QStringLiteral("Pruebe mas tarde"), Dialogs::Icon::Information};

struct BancoDescarga : Banco {
    Escrutinio escrutinio{s, http, pdf, urls};
    Descarga d{s, http, escrutinio};
    QList<int> checks, barra, pestanas;
    int resumenes = 0, parpadeos = 0;
    bool avisoVisible = false;

    BancoDescarga() {
        DescargaEnlaces& e = d.enlaces;
        e.avisoVisible = [this] { return avisoVisible; };
        e.paraparpadeo = [this] { ++parpadeos; };
        e.listasencillas = [this](int16_t n) { checks << n; };
        e.fijarSorteosAVer = [this](int n) { barra << n; };
        e.resumen = [this] {
            ++resumenes;
            resumen(s);
        };
        e.seleccionarPestana = [this](int i) { pestanas << i; };
    }

    // The request and, when it brought a reply, the tick that processes it.
    void bajar(const QString& respuesta) {
        http.replies << FakeHttp::ok(respuesta);
        d.Picture2_Click();
        d.Timer1_Timer();
    }
};

QList<Sorteo> cienDias() {
    return respuestas::entre(kHoy.addDays(-100), kHoy);
}

} // namespace

TEST(Descarga, AppendsTheNewDrawsAndRunsTheFollowUp) {
    BancoDescarga b;
    const QList<Sorteo> todos = cienDias();
    b.sorteosHasta(todos.at(3).fecha);
    const qint64 antes = b.s.files.numeros.count();
    const QString reply = respuestas::respuesta(todos);
    b.http.files[QStringLiteral("http://www.loteriasyapuestas.es") + respuestas::urlInforme(todos.at(0))] =
        "%PDF-1.5";

    b.http.replies << FakeHttp::ok(reply);
    b.d.Picture2_Click();
    EXPECT_EQ(b.http.gets, QStringList{urlBusqueda(kHoy)});
    EXPECT_EQ((std::tuple{b.d.fase, b.d.label6(), b.d.label58(), b.d.timer1().isActive(), b.parpadeos}),
              (std::tuple{3, QStringLiteral("BUSCANDO SORTEOS"), int(reply.size()), true, 1}));

    b.d.Timer1_Timer();
    EXPECT_EQ((std::tuple{b.dialogs.boxes.size(), b.dir.read(QStringLiteral("www.txt"))}),
              (std::tuple{0, formaWww(reply)}));
    EXPECT_EQ(b.almacenados().mid(antes),
              (QList<RegSorteo>{Banco::registro(todos.at(2)), Banco::registro(todos.at(1)),
                                Banco::registro(todos.at(0))}));
    EXPECT_EQ((std::tuple{b.d.label59(), b.checks, b.barra, b.resumenes, b.s.sigSorteo}),
              (std::tuple{QStringLiteral("3 sorteos"), QList<int>{3}, QList<int>{3}, 2, antes + 4}));
    EXPECT_EQ((std::tuple{b.d.fase, b.d.progreso(), b.d.label6(), b.d.timer1().isActive()}),
              (std::tuple{7, 5, QStringLiteral("TRANSFERENCIA FINALIZADA"), false}));
    // The report of the newest draw is fetched and shown.
    EXPECT_EQ((std::tuple{b.http.downloads.size(), b.escrutinio.informeVisible()}), (std::tuple{1, true}));

    // The same reply again: nothing new, the newest stored draw is checked.
    b.checks.clear();
    b.barra.clear();
    b.bajar(reply);
    ASSERT_EQ(b.dialogs.boxes.size(), 1);
    EXPECT_EQ(b.dialogs.caja(0),
              (std::tuple{QStringLiteral("Todavía no hay sorteos nuevos."),
                          QStringLiteral("Pruebe más tarde"), Dialogs::Icon::Information}));
    EXPECT_EQ((std::tuple{b.almacenados().size(), b.d.label59(), b.checks, b.barra}),
              (std::tuple{antes + 3, QString(), QList<int>{1}, QList<int>{1}}));
    // Nothing stored: not announced as a finished transfer, the bar not left full.
    EXPECT_EQ((std::tuple{b.d.label6(), b.d.progreso()}), (std::tuple{QString(), 0}));
}

TEST(Descarga, ManyNewDrawsShowAtMostEight) {
    BancoDescarga b;
    const QList<Sorteo> todos = cienDias();
    b.sorteosHasta(todos.at(9).fecha);
    b.bajar(respuestas::respuesta(todos));
    EXPECT_EQ((std::tuple{b.d.label59(), b.checks, b.barra, b.d.nuevos}),
              (std::tuple{QStringLiteral("9 sorteos"), QList<int>{9}, QList<int>{8}, 8}));
}

TEST(Descarga, RefusesWhenTheClockIsBeforeTheStoredDraws) {
    BancoDescarga b;
    b.sorteosHasta(kHoy);
    b.clock.set(kHoy.addDays(-1));
    b.d.setLabel59(QStringLiteral("2 sorteos"));
    b.d.Picture2_Click();
    ASSERT_EQ(b.dialogs.boxes.size(), 1);
    EXPECT_EQ(b.dialogs.caja(0),
              (std::tuple{QStringLiteral("La fecha de tu ordenador parece incorrecta. Existen sorteos en "
                                         "la base de datos con fechas porsteriores a la actual. "
                                         "Comprueba la fecha de tu ordenador."),
                          QStringLiteral("Error de fechas"), Dialogs::Icon::Information}));
    EXPECT_EQ((std::tuple{b.http.gets, b.d.timer1().isActive(), b.d.label59()}),
              (std::tuple{QStringList(), false, QString()}));

    // Nothing at all while the notice window is shown.
    b.dialogs.boxes.clear();
    b.avisoVisible = true;
    b.clock.set(kHoy);
    b.d.Picture2_Click();
    EXPECT_EQ((std::tuple{b.dialogs.boxes.size(), b.http.gets.size()}), (std::tuple{0, 0}));
}

TEST(Descarga, NoReplyIsReportedOnTheFifthTick) {
    BancoDescarga b;
    b.sorteosHasta(QDate(2017, 8, 1));
    b.http.replies << HttpReply{true, 404, QStringLiteral("Not Found"), "text/html", "<html>no</html>"};
    b.d.Picture2_Click();
    // The status told is the only box; the strip is cleared on the next tick.
    EXPECT_EQ(b.d.label6(), QStringLiteral("CONECTANDO AL SERVIDOR"));
    b.d.Timer1_Timer();
    ASSERT_EQ(b.dialogs.boxes.size(), 1);
    EXPECT_EQ(b.dialogs.caja(0), (std::tuple{QStringLiteral("Error al descargar la página: 404 - Not Found"),
                                             QStringLiteral("Error"), Dialogs::Icon::Critical}));
    EXPECT_EQ((std::tuple{b.d.timer1().isActive(), b.d.progreso(), b.d.label6()}),
              (std::tuple{false, 0, QString()}));
    // A reply of 100 characters or fewer counts as none: no message until the fifth tick.
    BancoDescarga sinRed;
    sinRed.sorteosHasta(QDate(2017, 8, 1));
    sinRed.http.replies << FakeHttp::ok(QString(100, u'x'));
    const QByteArray numeros = sinRed.dir.read(QStringLiteral("numeros.dat"));
    sinRed.d.Picture2_Click();
    for (int i = 0; i < 4; ++i)
        sinRed.d.Timer1_Timer();
    EXPECT_EQ((std::tuple{sinRed.dialogs.boxes.size(), sinRed.d.timer1().isActive(), sinRed.d.label6()}),
              (std::tuple{qsizetype(0), true, QStringLiteral("CONECTANDO AL SERVIDOR")}));
    sinRed.d.Timer1_Timer();
    ASSERT_EQ(sinRed.dialogs.boxes.size(), 1);
    EXPECT_EQ(
        sinRed.dialogs.caja(0),
        (std::tuple{QStringLiteral("No conectado: Compruebe la conexión a internet. Si es correcta, pruebe "
                                   "más tarde ya que no es posible conectar con el servidor de ONLAE."),
                    QStringLiteral("Error de conexión"), Dialogs::Icon::Exclamation}));
    EXPECT_EQ(sinRed.dir.read(QStringLiteral("numeros.dat")), numeros);
}

TEST(Descarga, CorruptDataStopsTheFollowUp) {
    BancoDescarga b;
    const QList<Sorteo> dosAnyos = respuestas::entre(QDate(2016, 1, 1), QDate(2017, 12, 31));
    b.sorteosHasta(dosAnyos.at(60).fecha);
    const qint64 antes = b.s.files.numeros.count();
    b.bajar(respuestas::respuesta(dosAnyos.mid(0, 80)));
    ASSERT_EQ(b.dialogs.boxes.size(), 1);
    EXPECT_EQ(b.dialogs.caja(0),
              (std::tuple{QStringLiteral("¡¡Datos corruptos o inválidos!! Si se repite en otros momentos "
                                         "este mismo error, posiblemente se ha de actualizar el "
                                         "programa. Pruebe más tarde."),
                          QStringLiteral("Error crítico"), Dialogs::Icon::Critical}));
    EXPECT_EQ(b.escrutinio.text1(),
              QStringLiteral("\r\nERROR DE INTERPRETACIÓN DE DATOS:\r\nSi más tarde se conecta y le "
                             "vuelve a suceder envie un email a: info@velmorat.es"));
    EXPECT_EQ((std::tuple{b.d.errorDatos, b.s.files.numeros.count(), b.checks, b.resumenes}),
              (std::tuple{true, antes, QList<int>(), 0}));
    EXPECT_EQ((std::tuple{b.d.label6(), b.d.timer1().isActive()}), (std::tuple{QString(), false}));
}

TEST(Descarga, ACutShortReplyOrAnIncompleteDrawAppendsNothing) {
    BancoDescarga b;
    const QList<Sorteo> todos = cienDias();
    b.sorteosHasta(todos.at(4).fecha);
    const qint64 antes = b.s.files.numeros.count();
    // Cut short inside the fourth new draw: the scan runs into the end of the file.
    const QString entera = respuestas::respuesta(todos);
    const qsizetype corte = entera.indexOf(QStringLiteral("\"combinacion\""),
                                           entera.indexOf(respuestas::objeto(todos.at(3)).left(40)));
    const QString reply = respuestas::rellenaTrasFecha(entera.left(corte), 3);
    b.bajar(reply);
    ASSERT_EQ(b.dialogs.boxes.size(), 1);
    EXPECT_EQ(b.dialogs.caja(0), kSinDatos);
    EXPECT_EQ((std::tuple{b.s.files.numeros.count(), b.d.errorDatos, b.d.label59(), b.checks, b.resumenes}),
              (std::tuple{antes, false, QString(), QList<int>{3}, 1}));
    EXPECT_EQ(b.d.label6(), QString());

    // A new draw with incomplete data between good ones: nothing newer than it is stored, so
    // the history has no gap, and the user is told the draws are not complete yet.
    BancoDescarga incompleto;
    incompleto.sorteosHasta(todos.at(4).fecha);
    const QByteArray numeros = incompleto.dir.read(QStringLiteral("numeros.dat"));
    QList<Sorteo> sinJoker = todos;
    sinJoker[2].joker.clear();
    incompleto.bajar(respuestas::respuesta(sinJoker));
    ASSERT_EQ(incompleto.dialogs.boxes.size(), 1);
    EXPECT_EQ(incompleto.dialogs.caja(0), kSinDatos);
    EXPECT_EQ(incompleto.dir.read(QStringLiteral("numeros.dat")), numeros);
}

// A reply that cannot be stored, or draws that cannot be appended, import nothing and say
// which file failed; the old download file is never scanned with the new reply's length.
TEST(Descarga, AFileThatCannotBeWrittenIsNamed) {
    const QList<Sorteo> todos = cienDias();
    const QString reply = respuestas::respuesta(todos);
    for (const bool falloRespuesta : {true, false}) {
        BancoDescarga b;
        // A long history before the draws of the reply: the draws file is larger than the
        // stored reply, so a limit between the two lets the reply through but not the draws.
        QFile::resize(b.s.files.numeros.path(), 8000 * RegSorteo::kSize);
        b.sorteosHasta(todos.at(4).fecha);
        const QByteArray numeros = b.dir.read(QStringLiteral("numeros.dat"));
        ASSERT_GT(numeros.size(), formaWww(reply).size());
        {
            // The draws stop in the middle of the second record.
            LimiteEscritura limite(falloRespuesta ? reply.size() / 2 : numeros.size() + RegSorteo::kSize + 8);
            b.bajar(reply);
        }
        ASSERT_EQ(b.dialogs.boxes.size(), 1) << falloRespuesta;
        EXPECT_EQ(b.dialogs.caja(0),
                  (std::tuple{QStringLiteral("No se ha podido guardar el archivo %1. (File too large)")
                                  .arg(falloRespuesta ? u"www.txt" : u"numeros.dat"),
                              QStringLiteral("Error de escritura"), Dialogs::Icon::Exclamation}));
        EXPECT_EQ(b.dir.read(QStringLiteral("numeros.dat")), numeros);
        EXPECT_EQ((std::tuple{b.checks, b.d.label6(), b.d.progreso()}),
                  (std::tuple{QList<int>(), QString(), 0}));
    }
}

// After a break longer than one search, the missing draws come in searches oldest first,
// each stored and counted before the next, from a service that answers for the dates asked.
// The end state follows the whole download, also when the first search finds no draw at all
// (a pause of the draws), or the last one finds nothing new or fails.
TEST(Descarga, ALongBreakIsFetchedInWindowsOldestFirst) {
    enum Caso { Normal, Pausa, NadaNuevo, Incompleto, Http404, Enorme, SinRed };
    const QDate desde(2017, 4, 9), hasta(2017, 6, 17);
    const int primera = int(respuestas::entre(desde, hasta).size());
    const int segunda = int(respuestas::entre(hasta.addDays(1), kHoy).size());
    const QString fin = QStringLiteral("TRANSFERENCIA FINALIZADA");
    const std::tuple<Caso, QList<int>, QString, int, QStringList> casos[] = {
        {Normal, {primera, primera + segunda}, fin, 5, {}},
        {Pausa, {segunda}, fin, 5, {}},
        {NadaNuevo, {primera, primera}, fin, 5, {}},
        {Incompleto, {primera, primera}, {}, 0, {std::get<1>(kSinDatos)}},
        {Http404, {primera, primera}, {}, 0, {"Error"}},
        {Enorme, {primera, primera}, {}, 0, {"Error crítico"}},
        {SinRed, {primera, primera}, {}, 0, {"Error de conexión"}}};
    BancoDescarga completo;
    completo.sorteosHasta(kHoy);
    for (const auto& [caso, checks, label6, progreso, titulos] : casos) {
        BancoDescarga b;
        b.sorteosHasta(kHoy.addDays(-130)); // the newest stored draw: Saturday 8 April 2017
        const auto quitado = [&](const QDate& f) {
            return caso == Pausa ? f >= desde && f <= hasta : caso != Normal && f > hasta;
        };
        b.http.servicio = [&](const QString& url) {
            const QUrlQuery q{QUrl(url)};
            const auto dia = [&](const char* k) {
                return QDate::fromString(q.queryItemValue(k), u"yyyyMMdd");
            };
            QList<Sorteo> t = respuestas::entre(dia("fechaInicioInclusiva"), dia("fechaFinInclusiva"));
            t.removeIf([&](const Sorteo& x) { return caso != Incompleto && quitado(x.fecha); });
            if (caso == Incompleto && !t.isEmpty() && t.first().fecha > hasta)
                t.first().joker.clear(); // the later search's first draw is not complete yet
            return FakeHttp::ok(respuestas::respuesta(t));
        };
        if (caso >= Http404)
            b.http.servicio = [&, primero = b.http.servicio](const QString& url) {
                const HttpReply fallos[] = {
                    {true, 404, QStringLiteral("Not Found"), "text/html", "<p>no</p>"},
                    FakeHttp::ok(QString(kMaxPagina + 1, u'x')),
                    {}};
                return b.http.gets.size() > 1 ? fallos[caso - Http404] : primero(url);
            };
        int recuentos = 0;
        b.d.enlaces.estadisticas = [&](double) { ++recuentos; };
        b.d.enlaces.guardaSeleccion = [&] { recuentos += 10; };
        b.d.Picture2_Click();
        b.d.Timer1_Timer();
        // After no draw at all, the next search goes on from the same first day.
        EXPECT_EQ(b.http.gets,
                  (QStringList{urlBusqueda(QDate(2017, 3, 9), hasta),
                               caso == Pausa ? urlBusqueda(QDate(2017, 3, 9), kHoy) : urlBusqueda(kHoy)}));
        QList<RegSorteo> esperados = completo.almacenados();
        esperados.removeIf([&](const RegSorteo& r) { return quitado(oledate::toQDate(r.fecha)); });
        EXPECT_EQ(b.almacenados(), esperados) << caso;
        QStringList vistos;
        for (const auto& caja : b.dialogs.boxes)
            vistos << caja.title;
        const int total = checks.last();
        EXPECT_EQ(
            (std::tuple{vistos, b.checks, b.barra, b.d.label59(), b.d.label6(), b.d.progreso(), recuentos}),
            (std::tuple{titulos, checks, QList<int>{8}, QStringLiteral("%1 sorteos").arg(total), label6,
                        progreso, 11}))
            << caso;
        if (caso >= Http404) // the download file keeps the reply of the first search
            EXPECT_EQ(b.dir.read(QStringLiteral("www.txt")),
                      formaWww(respuestas::respuesta(respuestas::entre(QDate(2017, 3, 9), hasta))));
    }
}
