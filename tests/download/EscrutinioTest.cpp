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
    QSignalSpy mostrado{&e, &Escrutinio::mostrarInforme};
    Sorteo ultimo = respuestas::entre(QDate(2017, 8, 19), QDate(2017, 8, 19)).first();

    BancoEscrutinio() { s.sorteo = registro(ultimo); }
    void respuesta(const QString& texto) { grabaWww(s, texto); }
    void pdfLocal(const QByteArray& bytes) { dir.write(QStringLiteral("vek.pdf"), bytes); }
    QString urlInforme() const {
        return QStringLiteral("http://www.loteriasyapuestas.es") + respuestas::urlInforme(ultimo);
    }
};

} // namespace

TEST(Escrutinio, ShowsTheAmountsAndTheKeptReport) {
    BancoEscrutinio b;
    b.respuesta(respuestas::respuesta({b.ultimo}));
    b.pdfLocal("%pdf-1.4 ...");
    b.e.leeescrutinio(1);
    EXPECT_EQ(b.e.label8(), QStringLiteral("-Informe del Sábado, 19 de agosto del 2017"));
    const auto premios = respuestas::premios(b.ultimo);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(b.e.label10(k), premios[size_t(k)]) << k;
    EXPECT_EQ((std::tuple{b.e.urlinforme(), b.http.downloads, b.e.informeVisible()}),
              (std::tuple{b.urlInforme(), QStringList(), true}));
    ASSERT_EQ(b.mostrado.size(), 1);
    EXPECT_EQ(b.mostrado.first().first().toString(), b.dir.ruta(QStringLiteral("vek.pdf")));
}

TEST(Escrutinio, AmountsKeepOnlyPlainCharacters) {
    BancoEscrutinio b;
    Sorteo x = b.ultimo;
    QString texto = respuestas::respuesta({x});
    const QString primero = respuestas::premios(x)[0];
    texto.replace(QStringLiteral("\"premio\":\"") + primero + QLatin1Char('"'),
                  QStringLiteral("\"premio\":\"1.234,56 €\""));
    b.respuesta(texto);
    b.e.leeescrutinio(1);
    EXPECT_EQ(b.e.label10(0), QStringLiteral("1.234,56"));
}

TEST(Escrutinio, WithoutPrizeTableOrAddressTheMessageShows) {
    BancoEscrutinio b;
    b.pdfLocal("%PDF-1.4");
    b.respuesta(respuestas::respuesta({b.ultimo}));
    b.e.leeescrutinio(1);
    const QString antes = b.e.label10(0);

    // "cate" 300 characters or more behind "escru": no table.
    b.respuesta(
        QStringLiteral("[{\"escrutinio\":\"") + QString(300, QLatin1Char('x')) +
        QStringLiteral("\",\"categoria\":1,\"premio\":\"9,99\",\"contenidosRelacionados\":{\"documentos\":"
                       "[{\"urlContenido\":\"/a.pdf\"}]}}]"));
    b.e.leeescrutinio(1);
    EXPECT_EQ((std::tuple{b.e.label10(0), b.e.text1(), b.e.text1Visible(), b.e.urlinforme()}),
              (std::tuple{antes, kAtencion, true, QString()}));

    // Neither key at all, an empty file, and a table without report address.
    for (const QString& t : {QStringLiteral("<html><body>Mantenimiento</body></html>"), QString()}) {
        b.respuesta(t);
        b.e.leeescrutinio(1);
        EXPECT_EQ((std::tuple{b.e.label10(0), b.e.text1()}), (std::tuple{antes, kAtencion}));
    }
    respuestas::Opciones antiguas;
    antiguas.recientes = false;
    b.respuesta(respuestas::respuesta({b.ultimo}, antiguas));
    b.e.leeescrutinio(0);
    EXPECT_EQ((std::tuple{b.e.text1(), b.http.downloads, b.mostrado.size()}),
              (std::tuple{kAtencion, QStringList(), 1}));
}

// The report is fetched only from a path on the operator's host; the accent may come as an
// escape.
TEST(Escrutinio, TheReportAddressIsAPathOnTheOperatorsHost) {
    const struct {
        const char* ruta;
        const char* pedida; // empty: nothing fetched
    } casos[] = {
        {"/documents/ACTA_SEM\\u00c1FORO.pdf", "http://www.loteriasyapuestas.es/documents/ACTA_SEMÁFORO.pdf"},
        {"@otro.example/x.pdf", ""},
        {"/x@otro.example/x.pdf", ""},
        {"\\\\otro\\x.pdf", ""},
        {"/a b.pdf", ""},
        {"x.pdf", ""}};
    for (const auto& c : casos) {
        BancoEscrutinio b;
        QString texto = respuestas::respuesta({b.ultimo});
        texto.replace(respuestas::urlInforme(b.ultimo), QString::fromUtf8(c.ruta));
        b.respuesta(texto);
        b.e.leeescrutinio(0);
        const QString pedida = QString::fromUtf8(c.pedida);
        EXPECT_EQ(b.http.downloads, pedida.isEmpty() ? QStringList() : QStringList{pedida}) << c.ruta;
    }
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
    b.s.sorteo = RegSorteo(); // a buffer left by a check over old draws plays no part
    b.respuesta(respuestas::objeto(dos.at(0), sinTabla).prepend(u'[') + u',' + respuestas::objeto(dos.at(1)) +
                u']');
    const QStringList esperado{"-Informe del Jueves, 17 de agosto del 2017",
                               respuestas::premios(dos.at(1))[0]};
    b.e.leeescrutinio(1);
    EXPECT_EQ((QStringList{b.e.label8(), b.e.label10(0)}), esperado);
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
    EXPECT_EQ(b.e.text1(), kAtencion);

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
    EXPECT_TRUE(b.e.text1().startsWith(
        QStringLiteral("\r\nOPCIÓN NO DISPONIBLE\r\n\r\nSu ordenador no tiene instalado")));
    EXPECT_TRUE(b.e.text1().contains(QStringLiteral("\r\n(O haga click AQUÍ para instalarlo)\r\n\r\n")));
    EXPECT_TRUE(b.e.text1().endsWith(QStringLiteral("Velmorat con esta opción activada.")));
    EXPECT_EQ((std::tuple{b.e.text1Visible(), b.e.sinlector}), (std::tuple{true, 1}));
    b.e.Text1_Click();
    EXPECT_EQ(b.urls.opened.size(), 1);
}
