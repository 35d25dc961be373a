#include "ServidorPrueba.h"
#include "support/FakeDialogs.h"
#include "support/TestFolder.h"

#include "core/Records.h"
#include "download/EnlacesWeb.h"
#include "download/Trae.h"
#include "platform/CurlHttpClient.h"

#include <gtest/gtest.h>

// The body of an OK reply as text by its charset; another status is told and gives nothing.
TEST(Trae, ReturnsTheBodyOfAnOkReplyAndTellsAnotherStatus) {
    ServidorPrueba web;
    web.responder("/texto", {200, "text/plain; charset=ISO-8859-1", "Pe\xF1\x61s: 3 \x80", 0});
    web.responder("/caido", {203, "text/html",
                             "<html>Copy of the page, kept by a proxy. Lots of words here.</html>", 0});
    CurlHttpClient http(web.base());
    FakeDialogs dialogs;
    EXPECT_EQ((QStringList{trae(http, dialogs, QStringLiteral("https://www.loteriasyapuestas.es/texto")),
                           trae(http, dialogs, QStringLiteral("http://x/no-existe")),
                           trae(http, dialogs, QStringLiteral("http://x/caido"))}),
              (QStringList{"Peñas: 3 €", "", ""}));
    ASSERT_EQ(dialogs.boxes.size(), 2);
    EXPECT_EQ(dialogs.caja(0), (std::tuple{QStringLiteral("Error al descargar la página: 404 - Not Found"),
                                           QStringLiteral("Error"), Dialogs::Icon::Critical}));
    EXPECT_EQ(dialogs.boxes[1].text,
              QStringLiteral("Error al descargar la página: 203 - Non-Authoritative Information"));
    // Latin-1 is read as the Windows code page that extends it; UTF-8 when no charset or an unknown one.
    const std::tuple<const char*, const char*, QString> cuerpos[] = {
        {"\x80 y \x93", "text/html; Charset=\"ISO-8859-1\"", QStringLiteral("€ y “")},
        {"\x80\x81", "text/plain; charset=windows-1252 ; format=flowed", QStringLiteral("€\uFFFD")},
        {"\xE9", "text/plain; charset=IBM850", QStringLiteral("Ú")},
        {"\xC3\xB1", "text/plain; charset=x-nada", QStringLiteral("ñ")},
        {"\xEF\xBB\xBFhola", "application/json", QStringLiteral("hola")}};
    for (const auto& [cuerpo, tipo, texto] : cuerpos)
        EXPECT_EQ(textoDeCuerpo(cuerpo, tipo), texto) << tipo;
}

TEST(Trae, NoReplyGivesNothingWithoutAMessage) {
    FakeDialogs dialogs;
    PuertoCerrado puerto;
    CurlHttpClient cerrado(puerto.base());
    EXPECT_EQ(
        trae(cerrado, dialogs, QStringLiteral("https://www.loteriasyapuestas.es/servicios/buscadorSorteos")),
        QString());

    // A server that does not answer within the limit (it holds the reply until it closes),
    // and replies at and beyond the size limit of a page.
    ServidorPrueba web;
    web.responder("/lento", {200, "text/plain", "tarde", 10000});
    web.responder("/limite", {200, "text/plain", std::string(kMaxPagina, 'x'), 0});
    web.responder("/enorme", {200, "text/plain", std::string(kMaxPagina + 1, 'x'), 0});
    CurlHttpClient::Limits limites;
    limites.getSeconds = 1;
    CurlHttpClient lento(web.base(), limites), http(web.base());
    std::array<FalloTrae, 3> fallos{};
    EXPECT_EQ(trae(lento, dialogs, QStringLiteral("http://x/lento"), &fallos[0]), QString());
    EXPECT_EQ(trae(http, dialogs, QStringLiteral("http://x/limite"), &fallos[1]).size(), kMaxPagina);
    EXPECT_EQ(trae(http, dialogs, QStringLiteral("http://x/enorme"), &fallos[2]), QString());
    EXPECT_EQ(fallos, (std::array{FalloTrae::SinAviso, FalloTrae::SinAviso, FalloTrae::Excesiva}));
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

// Redirects are followed on the same host only, and never from https down to http.
TEST(Trae, RedirectsStayOnTheHostAndOnHttps) {
    const std::tuple<const char*, const char*, bool> casos[] = {
        {"https://a.es/x", "https://A.es/y", true}, {"http://a.es/x", "https://a.es/y", true},
        {"http://a.es/x", "http://a.es/y", true},   {"https://a.es/x", "http://a.es/y", false},
        {"https://a.es/x", "HTTP://a.es/y", false}, {"https://a.es/x", "https://b.es/y", false},
        {"http://a.es/x", "ftp://a.es/y", false},   {"http://a.es/x", "file:///etc/passwd", false}};
    for (const auto& [desde, hacia, sigue] : casos)
        EXPECT_EQ(CurlHttpClient::followsRedirect(desde, hacia), sigue) << desde << " " << hacia;
}

// The program's own addresses, and the draw search (its dates with leading zeros).
TEST(Trae, TheProgramsAddressesAndTheDrawSearch) {
    const Config cfg{.webhost = QStringLiteral(" www.Velmorat.es ")};
    EXPECT_EQ((QStringList{enlaces::instrucciones(cfg), enlaces::correo(), urlBusqueda(QDate(2017, 8, 9))}),
              (QStringList{"http://www.Velmorat.es/descargas/Instrucciones%20Velmorat%203.2.pdf",
                           "mailto:info@velmorat.es",
                           "https://www.loteriasyapuestas.es/servicios/buscadorSorteos?game_id=LAPR&"
                           "celebrados=true&fechaInicioInclusiva=20170501&fechaFinInclusiva=20170809"}));
}

TEST(Download, ReplacesTheFileOnlyWithAWholeOkReply) {
    ServidorPrueba web;
    web.responder("/informe Á.pdf", {200, "application/pdf", "%PDF-1.4 nuevo", 0});
    web.responder("/roto.pdf", {500, "text/html", "<html>error</html>", 0});
    web.responder("/vacio.pdf", {200, "application/pdf", "", 0});
    TestFolder dir;
    dir.write(QStringLiteral("vek.pdf"), "%PDF-1.4 viejo");
    // The body's size cap at its very edge: 14 bytes pass, 13 do not.
    CurlHttpClient::Limits limite, corto;
    limite.maxBody = 14;
    corto.maxBody = 13;
    CurlHttpClient http(web.base(), limite), poco(web.base(), corto);
    PuertoCerrado puerto;
    CurlHttpClient cerrado(puerto.base());
    for (const auto& [cliente, url] : {std::pair{&http, "http://x/roto.pdf"},
                                       {&http, "http://x/vacio.pdf"},
                                       {&poco, "http://x/informe Á.pdf"},
                                       {&cerrado, "http://x/informe.pdf"}}) {
        EXPECT_FALSE(cliente->download(QString::fromUtf8(url), dir.ruta(QStringLiteral("vek.pdf")))) << url;
        EXPECT_EQ(dir.read(QStringLiteral("vek.pdf")), QByteArray("%PDF-1.4 viejo"));
    }
    EXPECT_EQ((std::tuple{http.download(QStringLiteral("http://x/informe Á.pdf"),
                                        dir.ruta(QStringLiteral("vek.pdf"))),
                          dir.read(QStringLiteral("vek.pdf")), QDir(dir.path()).entryList(QDir::Files)}),
              (std::tuple{true, QByteArray("%PDF-1.4 nuevo"), QStringList{QStringLiteral("vek.pdf")}}));
}
