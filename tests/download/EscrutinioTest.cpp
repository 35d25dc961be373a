#include "Banco.h"

#include "download/Escrutinio.h"
#include "download/WwwFile.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using respuestas::Sorteo;

namespace {

const QString kAtencion =
    QStringLiteral("\r\nATENCIÓN:\r\nLos datos del sorteo aún no están disponibles. Intente más tarde.");

struct BancoEscrutinio : Banco {
    Escrutinio e{s, http, pdf, urls};
    QSignalSpy mostrado{&e, &Escrutinio::mostrarInforme}, cambios{&e, &Escrutinio::cambiado};
    Sorteo ultimo = respuestas::entre(QDate(2017, 8, 19), QDate(2017, 8, 19)).first();

    BancoEscrutinio() { s.sorteo = registro(ultimo); }
    void respuesta(const QString& texto) { grabaWww(s, texto); }
    void pdfLocal(const QByteArray& bytes) { dir.write(QStringLiteral("vek.pdf"), bytes); }
    QString urlInforme() const {
        return QStringLiteral("http://www.loteriasyapuestas.es") + respuestas::urlInforme(ultimo);
    }
};

} // namespace

// The amounts keep only plain characters.
TEST(Escrutinio, ShowsTheAmountsAndTheKeptReport) {
    BancoEscrutinio b;
    auto premios = respuestas::premios(b.ultimo);
    b.respuesta(respuestas::respuesta({b.ultimo})
                    .replace(u'"' + premios[0] + u'"', QStringLiteral("\"1.234,56 €\"")));
    premios[0] = QStringLiteral("1.234,56");
    b.pdfLocal("%pdf-1.4 ...");
    b.e.leeescrutinio(1);
    EXPECT_EQ(b.e.label8(), QStringLiteral("-Informe del Sábado, 19 de agosto del 2017"));
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(b.e.label10(k), premios[size_t(k)]) << k;
    EXPECT_EQ((std::tuple{b.e.urlinforme(), b.http.downloads, b.e.informeVisible(), b.mostrado.size(),
                          b.mostrado.value(0).value(0).toString()}),
              (std::tuple{b.urlInforme(), QStringList(), true, 1, b.dir.ruta(QStringLiteral("vek.pdf"))}));
}

TEST(Escrutinio, WithoutPrizeTableOrAddressTheMessageShows) {
    BancoEscrutinio b;
    b.pdfLocal("%PDF-1.4");
    b.respuesta(respuestas::respuesta({b.ultimo}));
    b.e.leeescrutinio(1);
    const QString antes = b.e.label10(0);

    // Neither key at all, an empty file, a prize key alone, "cate" 300 bytes of the file behind "escru",
    // a table without report address or with the address too far behind its key.
    const QString lejana =
        QStringLiteral("[{\"escrutinio\":\"") + QString(281, u'x') +
        QStringLiteral("\",\"categoria\":1,\"premio\":\"9,99\",\"contenidosRelacionados\":{"
                       "\"documentos\":[{\"urlContenido\":\"/a.pdf\"}]}}]");
    respuestas::Opciones antiguas;
    antiguas.recientes = false;
    QString lejos = respuestas::respuesta({b.ultimo});
    lejos.replace(QStringLiteral("\"documentos\":"), QStringLiteral("\"documentos\":") + QString(300, u' '));
    for (const QString& t : {QStringLiteral("<html><body>Mantenimiento</body></html>"), QString(),
                             QStringLiteral("[{\"escrutinio\":[]}]"), lejana,
                             respuestas::respuesta({b.ultimo}, antiguas), lejos}) {
        b.respuesta(t);
        b.e.leeescrutinio(0);
        EXPECT_EQ((std::tuple{b.e.label10(0), b.e.text1(), b.e.text1Visible(), b.e.urlinforme(),
                              b.http.downloads, b.mostrado.size()}),
                  (std::tuple{antes, kAtencion, true, QString(), QStringList(), 1}));
    }
}

// The report is fetched only from a path on the operator's host; the accent may come as an
// escape.
TEST(Escrutinio, TheReportAddressIsAPathOnTheOperatorsHost) {
    const auto pide = [](const char* ruta) {
        BancoEscrutinio b;
        QString texto = respuestas::respuesta({b.ultimo});
        texto.replace(respuestas::urlInforme(b.ultimo), QString::fromUtf8(ruta));
        b.respuesta(texto);
        b.e.leeescrutinio(0);
        return b.http.downloads.join(u' ');
    };
    EXPECT_EQ(pide("/ACTA_SEM\\u00c1FORO.pdf") + u' ' + pide("/informe_€.pdf"),
              QStringLiteral("http://www.loteriasyapuestas.es/ACTA_SEMÁFORO.pdf "
                             "http://www.loteriasyapuestas.es/informe_€.pdf"));
    for (const char* ruta : {"@otro.example/x.pdf", "/x@otro.example/x.pdf", "/\\\\otro/x.pdf", "/a\x01.pdf",
                             "/a\x7F.pdf", "/a b.pdf", "x.pdf"})
        EXPECT_EQ(pide(ruta), QString()) << ruta;
}

// The title names the draw whose amounts are shown: the newest draw with a prize table, and
// when a later reply has none, the draw of the amounts kept.
TEST(Escrutinio, TheTitleNamesTheDrawOfTheAmounts) {
    BancoEscrutinio b;
    const QList<Sorteo> dos = respuestas::entre(QDate(2017, 8, 16), QDate(2017, 8, 19));
    ASSERT_EQ(dos.size(), 2);
    respuestas::Opciones sinTabla;
    sinTabla.escrutinio = false;
    sinTabla.recientes = false;
    // No title before any draw; the draw buffer (left by a check over old draws) plays no part after.
    b.s.sorteo = RegSorteo();
    b.respuesta(respuestas::respuesta({dos.at(0)}, sinTabla));
    b.e.leeescrutinio(1);
    EXPECT_EQ(b.e.label8(), QString());
    QString ambas =
        respuestas::objeto(dos.at(0), sinTabla).prepend(u'[') + u',' + respuestas::objeto(dos.at(1)) + u']';
    b.respuesta(ambas.replace(QStringLiteral("fecha_sorteo"), QStringLiteral("Fecha_Sorteo")));
    const QStringList esperado{"-Informe del Jueves, 17 de agosto del 2017",
                               respuestas::premios(dos.at(1))[0]};
    b.e.leeescrutinio(1);
    EXPECT_EQ((QStringList{b.e.label8(), b.e.label10(0)}), esperado);
    b.s.sorteo = b.registro(dos.at(0));
    b.respuesta(respuestas::respuesta({dos.at(0)}, sinTabla));
    b.e.leeescrutinio(1);
    EXPECT_EQ((QStringList{b.e.label8(), b.e.label10(0)}), esperado);
}

TEST(Escrutinio, TheKeptReportMustBeAPdfUnlessJustFetched) {
    BancoEscrutinio b;
    b.respuesta(respuestas::respuesta({b.ultimo}));
    // At start-up: a kept file that is not a PDF, or none.
    b.pdfLocal("<html>");
    b.e.leeescrutinio(1);
    EXPECT_EQ((std::tuple{b.e.text1(), b.mostrado.size()}), (std::tuple{kAtencion, 0}));
    QFile::remove(b.dir.ruta(QStringLiteral("vek.pdf")));
    b.e.leeescrutinio(1);

    // After a download the fetched report is shown whatever its first bytes.
    b.http.files[b.urlInforme()] = "\xEF\xBB\xBF%PDF";
    b.e.leeescrutinio(0);
    EXPECT_EQ((std::tuple{b.e.bajando, b.dir.read(QStringLiteral("vek.pdf")), b.mostrado.size()}),
              (std::tuple{true, QByteArray("\xEF\xBB\xBF%PDF"), 1}));

    // A report that could not be fetched cannot be shown.
    b.http.files.clear();
    b.e.leeescrutinio(0);
    EXPECT_EQ((std::tuple{b.mostrado.size(), b.e.informeVisible(), b.e.text1()}),
              (std::tuple{1, false, QStringLiteral("No se encuentra conexión a internet.... :(")}));
}

TEST(Escrutinio, WithoutAPdfReaderTheMessageOffersOne) {
    BancoEscrutinio b;
    b.respuesta(respuestas::respuesta({b.ultimo}));
    b.pdfLocal("%PDF-1.4");
    b.e.Text1_Click();
    EXPECT_TRUE(b.urls.opened.isEmpty());
    b.pdf.available = false;
    b.e.leeescrutinio(1);
    EXPECT_EQ(b.e.text1(),
              QStringLiteral("\r\nOPCIÓN NO DISPONIBLE\r\n\r\nSu ordenador no tiene instalado Adobe Reader "
                             "para la lectura de archivos PDF.\r\nSi quiere instalarlo y disfrutar de "
                             "esta opción, vaya a la web https://get.adobe.com/reader/\r\n(O haga click "
                             "AQUÍ para instalarlo)\r\n\r\nEs totalmente gratuito. Una vez instalado, "
                             "ejecútelo y acepte el contrato de licencia. Después ya podrá utilizar "
                             "Velmorat con esta opción activada."));
    EXPECT_EQ((std::tuple{b.e.text1Visible(), b.e.sinlector}), (std::tuple{true, 1}));
    b.e.Text1_Click();
    EXPECT_EQ(b.urls.opened, QStringList{QStringLiteral("https://get.adobe.com/reader/")});
    // The error text of an import replaces the message at once.
    b.cambios.clear();
    b.e.setText1(QStringLiteral("Error"));
    EXPECT_EQ((std::tuple{b.e.text1(), b.cambios.size()}), (std::tuple{QStringLiteral("Error"), 1}));
}
