#include "Banco.h"
#include "Respuestas.h"
#include "support/TestFolder.h"

#include "core/OleDate.h"
#include "download/Importacion.h"
#include "download/WwwFile.h"

#include <QFile>
#include <gtest/gtest.h>

using respuestas::Sorteo;

namespace {

// Imports `respuesta` as the download file after a stored newest draw dated `limite`.
struct Import {
    TestFolder dir;
    QFile www;
    RegSorteo sorteo;
    ResultadoImport r;
    QList<int> avisos;

    Import(const QString& respuesta, const QDate& limite) {
        dir.write(QStringLiteral("www.txt"), formaWww(respuesta));
        www.setFileName(dir.ruta(QStringLiteral("www.txt")));
        www.open(QIODevice::ReadOnly);
        sorteo.fecha = limite.isValid() ? oledate::fromQDate(limite) : 0;
        r = leeRespuesta(www, respuesta.size(), sorteo, [this](int i) { avisos << i; });
    }
};

// Reply of the service on 19 August 2017: the draws of the last hundred days.
const QDate kHoy(2017, 8, 19);
QList<Sorteo> cienDias() {
    return respuestas::entre(kHoy.addDays(-100), kHoy);
}

} // namespace

TEST(WwwFile, QuotesTheReplyOnOneLine) {
    EXPECT_EQ(formaWww(QStringLiteral("[{\"a\":\"1ª €\"}]")),
              QByteArray("\"[{\"\"a\"\":\"\"1\xAA \x80\"\"}]\"\r\n"));
}

TEST(Import, TakesTheDrawsNewerThanTheStoredOneNewestFirst) {
    const QList<Sorteo> todos = cienDias();
    ASSERT_GT(respuestas::respuesta(todos).size(), 40000);
    Import imp(respuestas::respuesta(todos), todos.at(3).fecha);
    EXPECT_FALSE(imp.r.error);
    EXPECT_EQ((std::tuple{imp.r.sorteos, imp.avisos}),
              (std::tuple{QList<RegSorteo>{Banco::registro(todos.at(0)), Banco::registro(todos.at(1)),
                                           Banco::registro(todos.at(2))},
                          QList<int>{1, 2, 3}}));

    // Replies without the newer keys read the same.
    respuestas::Opciones antiguas;
    antiguas.recientes = false;
    Import viejo(respuestas::respuesta(todos, antiguas), todos.at(3).fecha);
    EXPECT_EQ(viejo.r.sorteos, imp.r.sorteos);
}

TEST(Import, AShortReplyIsNotSearched) {
    const QList<Sorteo> todos = cienDias();
    // Under 10,001 characters no date is searched for, even with an empty draws file.
    const QString corta = respuestas::respuesta(todos.mid(0, 4));
    ASSERT_LT(corta.size(), 10001);
    Import vacio(corta, QDate());
    EXPECT_EQ((std::tuple{vacio.r.error, vacio.r.sorteos.size()}), (std::tuple{false, 0}));
}

TEST(Import, UpToFiftyNewDraws) {
    const QList<Sorteo> todos = respuestas::entre(QDate(2016, 1, 1), QDate(2017, 12, 31));
    for (const auto& [nuevos, error, tomados] : {std::tuple{50, false, 50}, {51, true, 0}}) {
        const Import imp(respuestas::respuesta(todos.mid(0, 70)), todos.at(nuevos).fecha);
        EXPECT_EQ((std::tuple{imp.r.error, imp.r.sorteos.size(), imp.avisos.size()}),
                  (std::tuple{error, tomados, tomados}));
    }
}

TEST(Import, AnInvalidDrawLeavesNothingNew) {
    const QList<Sorteo> todos = cienDias();
    const QDate limite = todos.at(4).fecha;
    auto importa = [&](int indice, auto cambio) {
        QList<Sorteo> t = todos;
        cambio(t[indice]);
        return Import(respuestas::respuesta(t), limite).r;
    };
    // The newest draw not complete yet, or an invalid draw behind valid newer ones: storing
    // those would leave a gap for good.
    // Joker and combination; null: as it was.
    const std::tuple<int, const char*, const char*> casos[] = {
        {0, "0000000", nullptr},
        {0, "", nullptr},
        {0, nullptr, "00 - 00 - 00 - 00 - 00 - 00 C(00) R(0)"},
        {0, nullptr, "08 - 17 - 19 - 45 - 48 - 49 C() R(2)"},
        {2, nullptr, "08 - 17 - 19 - 45 - 48 - 77 C(43) R(2)"},
        {1, nullptr, "08 - 17 - 19 - 45 - 48 - 49 C(43) R(99999)"}};
    for (const auto& [indice, joker, combinacion] : casos) {
        const ResultadoImport r = importa(indice, [&](Sorteo& s) {
            s.joker = joker ? QString::fromLatin1(joker) : s.joker;
            s.combinacion = combinacion ? QString::fromLatin1(combinacion) : s.combinacion;
        });
        EXPECT_EQ((std::tuple{r.error, r.sorteos.size()}), (std::tuple{false, 0})) << indice;
    }
    // A reintegro of 0 is a valid one.
    ResultadoImport r = importa(0, [](Sorteo& s) { s.reintegro = 0; });
    EXPECT_EQ((std::tuple{r.sorteos.size(), r.sorteos.value(0).bolas[7]}), (std::tuple{4, 0}));
}

TEST(Import, BadRepliesAreErrors) {
    const QList<Sorteo> todos = cienDias();
    const QDate limite = todos.at(4).fecha;
    const QString buena = respuestas::respuesta(todos);

    // A date that is not a date.
    for (const QString& fecha : {QStringLiteral("2017-02-30 21:40:00"), QStringLiteral("2017-08-x 21:40:00"),
                                 QStringLiteral("17 de agosto"), QStringLiteral("2017-08-19T21:40:00")}) {
        QList<Sorteo> t = todos;
        t[1].fechaTexto = fecha;
        Import imp(respuestas::respuesta(t), limite);
        EXPECT_EQ((std::tuple{imp.r.error, imp.r.sorteos.size()}), (std::tuple{true, 0}))
            << fecha.toStdString();
    }

    // Cut short inside the fourth new draw, after its date: the scan runs into the end of
    // the file after three good draws. The padding lets the date pass stop after that date.
    const qsizetype corte = buena.indexOf(QStringLiteral("\"combinacion\""),
                                          buena.indexOf(respuestas::objeto(todos.at(3)).left(40)));
    Import corta(respuestas::rellenaTrasFecha(buena.left(corte), 3), limite);
    EXPECT_EQ((std::tuple{corta.r.error, corta.r.sorteos.size()}), (std::tuple{true, 3}));

    // Cut short before the dates are through.
    const qsizetype segundo = buena.indexOf(respuestas::objeto(todos.at(1)).left(40));
    Import antes(buena.left(segundo + 500) + QString(12000, QLatin1Char(' ')), limite);
    EXPECT_EQ((std::tuple{antes.r.error, antes.r.sorteos.size()}), (std::tuple{true, 0}));

    // An HTML error page and a reply of several megabytes without draws.
    const QString html = QStringLiteral("<html><head><title>Error</title></head><body>") +
                         QString(20000, QLatin1Char('x')) + QStringLiteral("</body></html>");
    // A missing key: no draw has its combination.
    const QString sinComb =
        QString(buena).replace(QStringLiteral("\"combinacion\":"), QStringLiteral("\"resultado\":"));
    for (const QString& t : {html, QString(4 << 20, QLatin1Char('[')), sinComb})
        EXPECT_TRUE(Import(t, limite).r.error) << t.left(20).toStdString();
}
