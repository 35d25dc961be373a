#include "Banco.h"
#include "ServidorPrueba.h"

#include "download/Aviso.h"
#include "download/gui/Infor.h"
#include "platform/CurlHttpClient.h"

#include <QAccessible>
#include <QLabel>
#include <QTextFrame>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const QString kHost = QStringLiteral("Avisos.Example:8080");
const QString kDireccion = QStringLiteral("http://avisos.example:8080/informe.dat");

struct BancoAviso : Banco {
    Aviso aviso{s, http};
    int mostrados = 0;

    BancoAviso() {
        s.files.numsIni.open(dir.ruta(QStringLiteral("nums.ini")));
        s.cfg.webhost = kHost;
        s.files.numsIni.put(1, s.cfg);
        aviso.mostrarInfor = [this] { ++mostrados; };
        s.files.apuestas.put(1, registroPena(QStringLiteral("CASA"), {}, 0));
        s.sorteo.fecha = oledate::fromQDate(clock.today().addDays(-3));
    }
    static QByteArray pagina(int largo, const QByteArray& dentro = {}) {
        const QByteArray cuerpo = "<html><body>" + dentro;
        return cuerpo + QByteArray(largo - cuerpo.size() - 14, 'x') + "</body></html>";
    }
    void servir(const QByteArray& cuerpo, int status = 200) {
        http.replies << HttpReply{true, status, QStringLiteral("OK"), "text/html", cuerpo};
    }
    QString hostGuardado() { return s.files.numsIni.get<Config>(1).webhost.trimmed(); }
};

} // namespace

TEST(Aviso, FetchesOnlyWhenTheNewestDrawIsThreeDaysOldAndAPenaExists) {
    BancoAviso b;
    for (double fecha : {oledate::fromQDate(b.clock.today().addDays(-2)), 0.0}) // two days old; none
        b.s.sorteo.fecha = fecha, b.aviso.miraaviso();
    EXPECT_EQ((std::tuple{b.http.gets, b.dir.exists(QStringLiteral("informe.dat"))}),
              (std::tuple{QStringList(), false}));

    b.s.sorteo.fecha = oledate::fromQDate(b.clock.today().addDays(-3));
    b.aviso.miraaviso();
    // The address in lower case.
    EXPECT_EQ((std::tuple{b.http.gets, b.dir.exists(QStringLiteral("informe.dat"))}),
              (std::tuple{QStringList{kDireccion}, true}));

    BancoAviso sinPena;
    QFile(sinPena.dir.ruta(QStringLiteral("apuestas.dat"))).resize(0);
    sinPena.aviso.miraaviso();
    EXPECT_TRUE(sinPena.http.gets.isEmpty());
}

// Pages the check never shows, and fetches that keep the page on disk.
struct PaginaNoMostrada : ::testing::TestWithParam<std::tuple<int, int, int>> {}; // old, new, status

TEST_P(PaginaNoMostrada, KeepsOrIgnores) {
    const auto [viejo, nuevo, status] = GetParam();
    BancoAviso b;
    const QByteArray antes = BancoAviso::pagina(viejo, "<!-- web:viejo.example> -->");
    b.dir.write(QStringLiteral("informe.dat"), antes);
    if (status)
        b.servir(BancoAviso::pagina(nuevo, "<!-- web:nuevo.example> -->"), status);
    b.aviso.miraaviso();
    EXPECT_EQ((std::tuple{b.mostrados, b.hostGuardado()}), (std::tuple{0, kHost}));
    if (status != 200)
        EXPECT_EQ(b.dir.read(QStringLiteral("informe.dat")), antes);
}

INSTANTIATE_TEST_SUITE_P(Aviso, PaginaNoMostrada,
                         ::testing::Values(std::make_tuple(400, 300, 200), // too short
                                           std::make_tuple(500, 500, 200), // same length
                                           std::make_tuple(400, 600, 404), // failed fetch
                                           std::make_tuple(400, 600, 0),   // no network
                                           std::make_tuple(400, Aviso::kMaximo + 1, 200)));

// A new page longer than 300 is shown, and what its "web:" value stores: cut to 60
// characters, a blank read as "/", odd characters refused.
struct HostDelAviso : ::testing::TestWithParam<std::pair<QByteArray, QString>> {};

TEST_P(HostDelAviso, Stores) {
    BancoAviso b;
    b.dir.write(QStringLiteral("informe.dat"), BancoAviso::pagina(400));
    b.servir(BancoAviso::pagina(301, GetParam().first));
    b.aviso.miraaviso();
    EXPECT_EQ((std::tuple{b.mostrados, b.aviso.text6().size(), b.aviso.text2().size(), b.hostGuardado(),
                          b.s.cfg.webhost.trimmed()}),
              (std::tuple{1, 400, 301, GetParam().second, GetParam().second}));
}

INSTANTIATE_TEST_SUITE_P(
    Aviso, HostDelAviso,
    ::testing::Values(std::make_pair(QByteArray("<!-- web:nuevo9.ex~ample> -->"),
                                     QStringLiteral("nuevo9.ex~ample")),
                      std::make_pair(QByteArray("web: mi host>"), QStringLiteral("/mi/host")),
                      std::make_pair("web:" + QByteArray(70, 'a') + ">", QString(60, u'a')),
                      std::make_pair(QByteArray("web:evil\"onclick<x>"), kHost),
                      std::make_pair(QByteArray("web:\xe1\x01.es>"), kHost),
                      std::make_pair(QByteArray("sin clave"), kHost)));

TEST(Aviso, RealFetchFromTheStoredHostReplacesThePageOnlyOnAWholeReplyFromThatHost) {
    ServidorPrueba web;
    BancoAviso b;
    CurlHttpClient curl;
    Aviso aviso(b.s, curl);
    int mostrados = 0;
    aviso.mostrarInfor = [&] { ++mostrados; };
    b.s.cfg.webhost = web.base().mid(7);                          // "127.0.0.1:<port>"
    const QByteArray pagina = BancoAviso::pagina(Aviso::kMaximo); // the largest page taken
    web.redirigir("/informe.dat", 302, "/aviso.dat");             // on the same host: followed
    web.responder("/aviso.dat", {200, "text/html", pagina.toStdString()});
    aviso.miraaviso();
    EXPECT_EQ((std::tuple{mostrados, b.dir.read(QStringLiteral("informe.dat"))}), (std::tuple{1, pagina}));

    // A redirect to another host (the same server under another name) is not followed.
    web.redirigir("/informe.dat", 302,
                  web.base().replace(QStringLiteral("127.0.0.1"), QStringLiteral("localhost")).toStdString() +
                      "/otra.dat");
    web.responder("/otra.dat", {200, "text/html", BancoAviso::pagina(900).toStdString()});
    aviso.miraaviso();
    EXPECT_EQ((std::tuple{mostrados, b.dir.read(QStringLiteral("informe.dat"))}), (std::tuple{1, pagina}));
}

// A pipe or a device in place of the page reads as no page: it never holds or floods the
// check nor the notice window.
TEST(Aviso, PipeOrDeviceAsThePageReadsAsNone) {
    for (const bool fifo : {true, false}) {
        BancoAviso b;
        const QString ruta = b.dir.ruta(QStringLiteral("informe.dat"));
        ASSERT_TRUE(fifo ? ::mkfifo(QFile::encodeName(ruta).constData(), 0600) == 0
                         : QFile::link(QStringLiteral("/dev/zero"), ruta));
        b.aviso.miraaviso();
        EXPECT_EQ(
            (std::tuple{b.http.gets.size(), b.aviso.text6().size(), b.aviso.text2().size(), b.mostrados}),
            (std::tuple{1, 0, 0, 0}));
        EXPECT_TRUE(Infor(ruta, b.urls).webBrowser1()->isHidden());
    }
}

TEST(Infor, ShowsThePageWithoutFollowingItAndMovesTheAddress) {
    BancoAviso b;
    const QString ruta = b.dir.ruta(QStringLiteral("informe.dat"));
    b.dir.write(QStringLiteral("informe.dat"), "0123456789");
    EXPECT_TRUE(Infor(ruta, b.urls).webBrowser1()->isHidden()); // too short

    b.dir.write(QStringLiteral("informe.dat"),
                "<p>Noticia \xe9poca 5\x80 <a href='https://x.example/'>web</a> <a "
                "href='file:///etc/passwd'>f</a></p>");
    Infor w(ruta, b.urls);
    EXPECT_FALSE(w.webBrowser1()->isHidden());
    EXPECT_EQ(w.webBrowser1()->toPlainText(), QStringLiteral("Noticia época 5€ web f"));
    for (const char* u : {"https://x.example/", "file:///etc/passwd", "mailto:jefe@x.example",
                          "http://y.example/", "javascript:alert(1)", "velmorat:abrir"})
        emit w.webBrowser1()->anchorClicked(QUrl(QString::fromLatin1(u)));
    EXPECT_EQ(b.urls.opened,
              (QStringList{"https://x.example/", "mailto:jefe@x.example", "http://y.example/"}));

    // The marquee creeps right one step at a time, then bounces between its edges by tens: it
    // turns once past x = 254 and once short of x = 16.
    QList<int> pasos;
    int menor = 1000, mayor = 0;
    for (int i = 0; i < 400; ++i) {
        w.Timer1_Timer();
        if (pasos.isEmpty() || pasos.last() != w.paso())
            pasos << w.paso();
        menor = std::min(menor, w.label1()->x()), mayor = std::max(mayor, w.label1()->x());
    }
    EXPECT_EQ((std::tuple{pasos.mid(0, 3), menor, mayor}), (std::tuple{QList<int>{1, -10, 10}, 15, 255}));

    w.show();
    w.Label1_Click();
    EXPECT_EQ(
        (QStringList{w.windowTitle(), w.label1()->text(), b.urls.opened.last(), w.isVisible() ? "" : "-"}),
        (QStringList{"Noticias del jefe...", "info@velmorat.es", "mailto:info@velmorat.es", "-"}));
}

// A page that would hold the start while it is laid out (large, tables nested deeply, a long
// run without a blank) is shown as its text. The "X" is a button a screen reader presses.
TEST(Infor, AHeavyPageShowsAsTextAndTheCloseButtonCloses) {
    auto tablas = [](int n, const QString& dentro = QStringLiteral("a")) {
        return QStringLiteral("<table><tr><td>").repeated(n) + dentro +
               QStringLiteral("</td></tr></table>").repeated(n);
    };
    QStringList rico;
    for (const QString& p :
         {tablas(3), tablas(4), tablas(3).repeated(2), tablas(4).toUpper(), QString(1000, u'a'),
          QString(999, u'a') + u'\n' + QString(1000, u'a'), QString(1001, u'a'),
          QStringLiteral("a ").repeated(32768), QStringLiteral("a ").repeated(32768) + u'a',
          QStringLiteral("<b> ").repeated(3000), QStringLiteral("<b> ").repeated(3001),
          QStringLiteral("</table>") + tablas(4)})
        rico << (VisorAviso::enRicoSinEspera(p) ? QStringLiteral("sí") : QStringLiteral("no"));
    EXPECT_EQ(rico.join(u' '), QStringLiteral("sí no sí no sí sí no sí no sí no no"));
    BancoAviso b;
    b.dir.write(QStringLiteral("informe.dat"), tablas(5, QStringLiteral("<b>Hola</b>mundo")).toUtf8());
    Infor w(b.dir.ruta(QStringLiteral("informe.dat")), b.urls);
    EXPECT_EQ((std::tuple{w.webBrowser1()->toPlainText().simplified(),
                          w.webBrowser1()->document()->rootFrame()->childFrames().size(),
                          w.webBrowser1()->wordWrapMode()}),
              (std::tuple{QStringLiteral("Hola mundo"), 0, QTextOption::WrapAnywhere}));
    QAccessibleInterface* cerrar =
        QAccessible::queryAccessibleInterface(w.findChild<QLabel*>(QStringLiteral("Label3")));
    EXPECT_EQ(std::tuple(cerrar->role(), cerrar->text(QAccessible::Name)),
              std::tuple(QAccessible::Button, QStringLiteral("Cerrar")));
    w.show();
    cerrar->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    const bool abiertaTrasLaLlamada = w.isVisible();
    QCoreApplication::processEvents();
    EXPECT_EQ(std::pair(abiertaTrasLaLlamada, w.isVisible()), std::pair(true, false));
}
