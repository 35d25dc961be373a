#include "Banco.h"
#include "ServidorPrueba.h"

#include "download/Descarga.h"
#include "download/WwwFile.h"
#include "download/gui/DescargaStrip.h"
#include "download/gui/UltimoSorteoTab.h"
#include "platform/CurlHttpClient.h"
#include "support/LimiteEscritura.h"
#include "ui/GeneralTab.h"
#include "ui/Principal.h"

#include "checking/gui/PanelResultados.h"
#include "core/OleDate.h"
#include <QBuffer>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfView>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using respuestas::Sorteo;

namespace {

std::string informePdf() {
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    {
        QPdfWriter w(&buf);
        QPainter p(&w);
        p.drawText(QPointF(200, 400), QStringLiteral("Acta de escrutinio"));
    }
    return buf.data().toStdString();
}

// The installed program's road: a click on the download picture against a service on the
// loopback interface, through the real HTTP client.
struct Carretera : Banco {
    ServidorPrueba web;
    CurlHttpClient curl{web.base()};
    QList<Sorteo> todos = respuestas::entre(QDate(2017, 5, 11), QDate(2017, 8, 19));
    QString reply = respuestas::respuesta(todos);
    std::unique_ptr<Principal> p;

    Carretera() {
        s.http = &curl;
        web.responder("/servicios/buscadorSorteos",
                      {200, "application/json;charset=UTF-8", reply.toStdString(), 0});
    }
    void abrir() {
        p = std::make_unique<Principal>(s, dir.path());
        p->descarga()->timer1().setInterval(1); // the download's ticks, without waiting a second each
        p->resumen();
        p->show();
    }
    template <typename W> W* hijo(const char* nombre) { return p->findChild<W*>(QLatin1String(nombre)); }
    void bajar() {
        QTest::mouseClick(hijo<QLabel>("Picture2"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !p->descarga()->timer1().isActive(); }, 5000));
    }
};

} // namespace

TEST(Carretera, NewDrawsAndTheLastReportFromTheService) {
    Carretera c;
    c.sorteosHasta(c.todos.at(3).fecha);
    const qint64 antes = c.s.files.numeros.count();
    c.web.responder(respuestas::urlInforme(c.todos.first()).toStdString(),
                    {200, "application/pdf", informePdf(), 0});
    // A peña created on the day of the oldest new draw: its first bet is the newest draw, its
    // second wins nothing in the three new draws.
    const std::array<int, 6>& nuevo = c.todos.at(0).numeros;
    const RegPena pena = registroPena(QStringLiteral("OFICINA"), QStringLiteral("Todos (L+J+S)"),
                                      oledate::fromQDate(c.todos.at(2).fecha),
                                      {{nuevo.begin(), nuevo.end()}, {2, 9, 17, 26, 33, 41}});
    ASSERT_TRUE(c.s.files.apuestas.put(1, pena));
    c.abrir();
    QMenu* general = c.hijo<QMenu>("MenuGeneral");
    ASSERT_NE(general, nullptr);
    EXPECT_EQ(general->actions().first()->text().remove(u'&'), QStringLiteral("Bajar Sorteos nuevos"));

    QTest::mouseClick(c.hijo<QLabel>("Picture2"), Qt::LeftButton);
    ASSERT_TRUE(c.p->descarga()->timer1().isActive());
    // The last draw's page stays closed while the download runs.
    c.p->sstab1()->setCurrentIndex(1);
    EXPECT_EQ(c.p->sstab1()->currentIndex(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !c.p->descarga()->timer1().isActive(); }, 5000));

    EXPECT_EQ((std::tuple{c.dialogs.boxes.size(), c.almacenados().size()}), (std::tuple{0, antes + 3}));
    EXPECT_EQ((QStringList{c.hijo<QLabel>("Label59")->text(), c.hijo<QLabel>("Label6")->text(),
                           c.hijo<QLabel>("Label58")->text(), c.hijo<QLabel>("Label8")->text()}),
              (QStringList{"3 sorteos", "TRANSFERENCIA FINALIZADA", QString::number(c.reply.size()),
                           "-Informe del Sábado, 19 de agosto del 2017"}));
    EXPECT_EQ(c.hijo<QProgressBar>("ProgressBar1")->value(), 5);
    const auto premios = respuestas::premios(c.todos.first());
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(c.p->findChild<QLabel*>(QStringLiteral("Label10_%1").arg(k))->text(), premios[size_t(k)]);
    EXPECT_TRUE(c.web.peticiones().first().endsWith(
        QStringLiteral("fechaFinInclusiva=20170819&fechaInicioInclusiva=20170511&game_id=LAPR")));

    // The report is on its page; entering the page reloads nothing.
    c.p->sstab1()->setCurrentIndex(1);
    EXPECT_EQ((std::tuple{
                  c.hijo<QPdfView>("WebBrowser1")->isVisible(), c.hijo<QPlainTextEdit>("Text1")->isVisible(),
                  c.p->ultimoSorteo()->documento()->pageCount(), c.p->general()->hScroll1()->value()}),
              (std::tuple{true, false, 1, 3}));

    // The new draws were checked against the peña once: counters and last counted date.
    const RegPena despues = c.s.files.apuestas.get<RegPena>(1);
    EXPECT_EQ(despues.aciertos, (std::array<int16_t, 5>{0, 0, 0, 1, 0})); // the first bet's six
    EXPECT_EQ(oledate::toQDate(despues.fecha2), c.todos.at(0).fecha);
    EXPECT_NE(c.p->resultados()->conpremio(), 0);
}

TEST(Carretera, AReportTheViewCannotLoadShowsTheConnectionText) {
    Carretera c;
    c.sorteosHasta(c.todos.at(1).fecha);
    c.web.responder(respuestas::urlInforme(c.todos.first()).toStdString(),
                    {200, "application/pdf", "%PDF-1.4 not really a document", 0});
    c.abrir();
    c.bajar();
    EXPECT_EQ(c.hijo<QLabel>("Label59")->text(), QStringLiteral("1 sorteo"));
    c.p->sstab1()->setCurrentIndex(1);
    EXPECT_FALSE(c.hijo<QPdfView>("WebBrowser1")->isVisible());
    EXPECT_EQ(c.hijo<QPlainTextEdit>("Text1")->toPlainText(),
              QStringLiteral("No se encuentra conexión a internet.... :("));
}

TEST(Carretera, HoverPictureAndEnteringTheLastDrawPage) {
    Carretera c;
    c.sorteosHasta(c.todos.first().fecha);
    c.abrir();
    QLabel* picture2 = c.hijo<QLabel>("Picture2");
    const Descarga& d = *c.p->descarga();
    EXPECT_EQ((std::tuple{picture2->pixmap().isNull(), d.imagen()}), (std::tuple{false, 2}));
    for (const auto& [punto, imagen] :
         {std::pair{QPoint(6, 12), 1}, {QPoint(110, 40), 2}, {QPoint(50, 69), 1}, {QPoint(50, 70), 2}}) {
        QTest::mouseMove(picture2, punto);
        EXPECT_EQ(d.imagen(), imagen) << punto.x() << "," << punto.y();
    }

    // With the message shown, entering the page reads the kept reply again.
    grabaWww(c.s, c.reply);
    c.p->sstab1()->setCurrentIndex(1);
    EXPECT_EQ(
        (QStringList{c.hijo<QLabel>("Label10_0")->text(), c.hijo<QLabel>("Label8")->text()}),
        (QStringList{respuestas::premios(c.todos.first())[0], "-Informe del Sábado, 19 de agosto del 2017"}));
    EXPECT_TRUE(c.hijo<QPlainTextEdit>("Text1")->toPlainText().contains(QStringLiteral("ATENCIÓN:")));
}

// A failure to store prizes is told once however often the views are checked again, and
// once more after a download, whose new draws need the write.
TEST(Carretera, AFailureToStorePrizesIsToldAgainAfterADownload) {
    Carretera c;
    c.reply = respuestas::respuesta(c.todos.mid(0, 7));
    c.web.responder("/servicios/buscadorSorteos", {200, "application/json", c.reply.toStdString(), 0});
    c.sorteosHasta(c.todos.at(2).fecha);
    const qint64 antes = c.s.files.numeros.count();
    RegPena pena;
    pena.dias = QStringLiteral("Todos (L+J+S)");
    pena.numApuestas = 1;
    pena.apuestas[0] = {1, 2, 3, 4, 5, 6};
    ASSERT_TRUE(c.s.files.apuestas.put(1, pena) && c.s.files.apuestas.put(2, pena));
    c.abrir();
    // The reply and the draws fit under the limit; the second peña's record does not.
    const qint64 limite =
        std::max(formaWww(c.reply).size(), c.dir.read(QStringLiteral("numeros.dat")).size()) + 100;
    ASSERT_LT(limite, 2 * RegPena::kSize);
    {
        LimiteEscritura lleno(limite);
        c.p->refrescarUltimoSorteo();
        c.p->refrescarUltimoSorteo();
        c.bajar();
    }
    const auto avisos = std::count_if(c.dialogs.boxes.begin(), c.dialogs.boxes.end(), [](const auto& caja) {
        return caja.text.startsWith(QStringLiteral("No se han podido guardar los premios de 1 peña(s)"));
    });
    EXPECT_EQ((std::tuple{int(avisos), c.s.files.numeros.count()}), (std::tuple{2, antes + 2}));
}
