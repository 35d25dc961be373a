#include "ServidorPrueba.h"
#include "support/FakeDialogs.h"
#include "support/TestFolder.h"

#include "download/Trae.h"
#include "platform/CurlHttpClient.h"

#include <gtest/gtest.h>

TEST(Trae, ReturnsTheBodyOfAnOkReply) {
    ServidorPrueba web;
    web.responder("/texto", {200, "text/plain; charset=utf-8", "Peñas: 3 €", 0});
    web.responder("/latin", {200, "text/plain; charset=ISO-8859-1", "Pe\xF1\x61s", 0});
    CurlHttpClient http(web.base());
    FakeDialogs dialogs;
    EXPECT_EQ(trae(http, dialogs, QStringLiteral("https://www.loteriasyapuestas.es/texto")),
              QStringLiteral("Peñas: 3 €"));
    EXPECT_EQ(trae(http, dialogs, QStringLiteral("https://www.loteriasyapuestas.es/latin")),
              QStringLiteral("Peñas"));
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

TEST(Trae, TellsAnotherStatusAndReturnsNothing) {
    ServidorPrueba web;
    web.responder("/caido",
                  {503, "text/html", "<html>Service down, try later. Lots of words here.</html>", 0});
    CurlHttpClient http(web.base());
    FakeDialogs dialogs;
    EXPECT_EQ(trae(http, dialogs, QStringLiteral("http://x/no-existe")), QString());
    EXPECT_EQ(trae(http, dialogs, QStringLiteral("http://x/caido")), QString());
    ASSERT_EQ(dialogs.boxes.size(), 2);
    EXPECT_EQ(dialogs.caja(0), (std::tuple{QStringLiteral("Error al descargar la página: 404 - Not Found"),
                                           QStringLiteral("Error"), Dialogs::Icon::Critical}));
    EXPECT_EQ(dialogs.boxes[1].text,
              QStringLiteral("Error al descargar la página: 503 - Service Unavailable"));
}

TEST(Trae, NoReplyGivesNothingWithoutAMessage) {
    FakeDialogs dialogs;
    PuertoCerrado puerto;
    CurlHttpClient cerrado(puerto.base());
    EXPECT_EQ(
        trae(cerrado, dialogs, QStringLiteral("https://www.loteriasyapuestas.es/servicios/buscadorSorteos")),
        QString());

    // A server that does not answer within the limit (it holds the reply until it closes),
    // and a reply beyond the size limit.
    ServidorPrueba web;
    web.responder("/lento", {200, "text/plain", "tarde", 10000});
    web.responder("/enorme", {200, "text/plain", std::string(200000, 'x'), 0});
    CurlHttpClient::Limits limites;
    limites.getSeconds = 1;
    limites.maxBody = 100000;
    CurlHttpClient http(web.base(), limites);
    EXPECT_EQ(trae(http, dialogs, QStringLiteral("http://x/lento")), QString());
    EXPECT_EQ(trae(http, dialogs, QStringLiteral("http://x/enorme")), QString());
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

TEST(Download, ReplacesTheFileOnlyWithAWholeOkReply) {
    ServidorPrueba web;
    web.responder("/informe Á.pdf", {200, "application/pdf", "%PDF-1.4 nuevo", 0});
    web.responder("/roto.pdf", {500, "text/html", "<html>error</html>", 0});
    web.responder("/vacio.pdf", {200, "application/pdf", "", 0});
    TestFolder dir;
    dir.write(QStringLiteral("vek.pdf"), "%PDF-1.4 viejo");
    CurlHttpClient http(web.base());

    for (const char* roto : {"http://x/roto.pdf", "http://x/vacio.pdf"}) {
        EXPECT_FALSE(http.download(QString::fromLatin1(roto), dir.ruta(QStringLiteral("vek.pdf")))) << roto;
        EXPECT_EQ(dir.read(QStringLiteral("vek.pdf")), QByteArray("%PDF-1.4 viejo"));
    }
    PuertoCerrado puerto;
    CurlHttpClient cerrado(puerto.base());
    EXPECT_FALSE(
        cerrado.download(QStringLiteral("http://x/informe.pdf"), dir.ruta(QStringLiteral("vek.pdf"))));
    EXPECT_EQ(dir.read(QStringLiteral("vek.pdf")), QByteArray("%PDF-1.4 viejo"));

    EXPECT_TRUE(http.download(QStringLiteral("http://x/informe Á.pdf"), dir.ruta(QStringLiteral("vek.pdf"))));
    EXPECT_EQ(dir.read(QStringLiteral("vek.pdf")), QByteArray("%PDF-1.4 nuevo"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("vek.pdf")});
}
