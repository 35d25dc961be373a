#include "Escenario.h"
#include "platform/gui/QtPrinter.h"
#include "support/Pdf.h"
#include "support/RecordingPrinter.h"

#include <gtest/gtest.h>

namespace {

class Listado : public ::testing::Test, public Escenario {
  protected:
    std::shared_ptr<RecordingPrinter> imprimir(int n) {
        auto p = std::make_shared<RecordingPrinter>();
        comprobacion.imprimirListado(p, QImage(), n);
        return p;
    }
    static QList<RecordingPrinter::Op> textos(const RecordingPrinter& p) {
        QList<RecordingPrinter::Op> t;
        for (const auto& o : p.ops)
            if (o.kind == RecordingPrinter::Kind::Text)
                t << o;
        return t;
    }
};

} // namespace

TEST_F(Listado, SimplePeñasAtTheirPositions) {
    sorteo(kSab(), {5, 12, 23, 30, 41, 47}, 9, 3);
    pena(QStringLiteral("AMIGOS"), kTodos, kJue(), {{5, 12, 23, 1, 2, 4}, {6, 7, 8, 10, 11, 13}});
    auto p = imprimir(1);
    ASSERT_TRUE(p->began);
    EXPECT_EQ((std::tuple{p->ended, p->killed}), (std::tuple{true, false}));
    ASSERT_FALSE(p->ops.empty());
    EXPECT_EQ((std::tuple{p->ops[0].kind, p->ops[0].x, p->ops[0].y}),
              (std::tuple{RecordingPrinter::Kind::Picture, 0.0, 5.0}));
    const auto t = textos(*p);
    ASSERT_EQ(t.size(), 7);
    EXPECT_EQ(t[0].linea(),
              (std::tuple{QStringLiteral("PEÑAS SENCILLAS / REDUCIDAS"), 50.0, 40.0, 22.0, true}));
    EXPECT_EQ((std::tuple{t[1].text, t[1].underline}), (std::tuple{QString(), false}));
    EXPECT_EQ(t[2].linea(), (std::tuple{QStringLiteral("Sorteo del 05/12/2026  5-12-23-30-41-47  C:9  R:3"),
                                        20.0, 40.0 + 11 + 11, 18.0, false}));
    EXPECT_DOUBLE_EQ(t[3].fontSize, 8.2);
    EXPECT_EQ((std::tuple{t[4].text, t[4].x}),
              (std::tuple{QStringLiteral("PEÑA AMIGOS              "), 30.0}));
    EXPECT_EQ(
        (std::tuple{t[5].text, t[5].x}),
        (std::tuple{QStringLiteral("    5  12  23    1    2    4  ¡¡ Premio !! Has acertado 3 números."),
                    30.0}));
    EXPECT_EQ(t[6].text, QStringLiteral("    6    7    8  10  11  13"));
    EXPECT_FALSE(comprobacion.imprimiendo());
}

TEST_F(Listado, OnlyPrizeBetsUnderTheFilterAndOneHeadingPerDraw) {
    sorteo(kJue(), {1, 2, 3, 30, 31, 32}, 40);
    sorteo(kSab(), {1, 2, 3, 30, 31, 32}, 40);
    pena(QStringLiteral("A"), kTodos, kJue(), {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
    pena(QStringLiteral("B"), kTodos, kJue(), {{1, 2, 3, 4, 5, 6}});
    vista.check2 = true;
    auto p = imprimir(2);
    const QStringList t = p->texts();
    EXPECT_EQ((QList<qsizetype>{
                  t.count(QStringLiteral("PEÑAS SENCILLAS / REDUCIDAS")),
                  t.filter(QStringLiteral("Sorteo del ")).size(), t.filter(QStringLiteral("PEÑA ")).size(),
                  t.filter(QStringLiteral("Premio")).size(), t.filter(QStringLiteral("   7    8")).size()}),
              (QList<qsizetype>{1, 2, 4, 4, 0}));
}

TEST_F(Listado, MultiplesOnANewPageWithTheLogo) {
    sorteo(kSab(), {1, 2, 30, 31, 32, 33}, 40);
    pena(QStringLiteral("S"), kTodos, kJue(), {{1, 2, 30, 4, 5, 6}});
    pena(QStringLiteral("CINCO"), kTodos, kJue(), {{1, 2, 3, 4, 5}}, 503);
    auto p = imprimir(1);
    const auto t = textos(*p);
    int titulo = -1;
    for (int i = 0; i < t.size(); ++i)
        if (t[i].text == QStringLiteral("PEÑAS MÚLTIPLES"))
            titulo = i;
    ASSERT_GE(titulo, 0);
    EXPECT_EQ((std::tuple{t[titulo].page, t[titulo].x, t[titulo].y, t[titulo].underline}),
              (std::tuple{2, 70.0, 40.0, true}));
    int logos = 0;
    for (const auto& o : p->ops)
        if (o.kind == RecordingPrinter::Kind::Picture) {
            ++logos;
            EXPECT_DOUBLE_EQ(o.y, 5);
        }
    EXPECT_EQ(logos, 2);
    ASSERT_EQ(t.size(), titulo + 7);
    EXPECT_EQ(
        (QStringList{t[titulo + 2].text, t[titulo + 4].text}),
        (QStringList{"Sorteo del 05/12/2026  1-2-30-31-32-33  C:40  R:3", "PEÑA CINCO               "}));
    EXPECT_EQ((std::tuple{t[titulo + 5].text, t[titulo + 5].x}),
              (std::tuple{
                  QStringLiteral("    1    2    3    4    5  ¡¡ Premio !! Tienes 4 apuestas de 3 aciertos."),
                  30.0}));
    EXPECT_EQ(t[titulo + 6].text, QString()); // the blank row that closes the breakdown
    EXPECT_DOUBLE_EQ(t[titulo + 6].x, 83.3);
    EXPECT_TRUE(p->ended);
}

TEST_F(Listado, EmptyListingIsCancelledWithAMessage) {
    sorteo(kSab(), {1, 2, 30, 31, 32, 33}, 40);
    pena(QStringLiteral("S"), kTodos, kJue(), {{10, 11, 12, 13, 14, 15}});
    vista.check2 = true;
    auto p = imprimir(1);
    EXPECT_EQ((std::tuple{p->killed, p->ended}), (std::tuple{true, false}));
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.caja(0), (std::tuple{QStringLiteral("Listado vacío. No hay datos para imprimir,"),
                                           QStringLiteral("No hay datos"), Dialogs::Icon::Information}));
    EXPECT_TRUE(p->texts().isEmpty());
}

TEST_F(Listado, CancelledDialogPrintsNothingAndChecksNothing) {
    sorteo(kSab(), {1, 2, 30, 31, 32, 33}, 40);
    pena(QStringLiteral("S"), kTodos, kJue(), {{1, 2, 30, 4, 5, 6}});
    comprobacion.imprimirListado(nullptr, QImage(), 1);
    EXPECT_EQ((std::tuple{comprobacion.imprimiendo(), leida(1).fecha2, dialogs.boxes.size()}),
              (std::tuple{false, 0.0, 0}));
}

TEST_F(Listado, RealPdfReadsBack) {
    sorteo(kSab(), {5, 12, 23, 30, 41, 47}, 9, 3);
    pena(QStringLiteral("AMIGOS"), kTodos, kJue(), {{5, 12, 23, 1, 2, 4}});
    pena(QStringLiteral("SIETE"), kTodos, kJue(), {{5, 12, 23, 30, 1, 2, 3}}, 501);
    const QString pdf = dir.ruta(QStringLiteral("listado.pdf"));
    std::shared_ptr<Printer> impresora = QtPrinter::toPdf(pdf);
    QImage logo(200, 75, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    comprobacion.imprimirListado(impresora, logo, 1);
    const QString texto = textoPdf(pdf, true);
    for (const char* t : {"PEÑAS SENCILLAS / REDUCIDAS", "¡¡ Premio !! Has acertado 3 números.",
                          "PEÑAS MÚLTIPLES", "¡¡ Premio !! Tienes 3 apuestas de 4 aciertos."})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(t))) << t << texto.toStdString();
    EXPECT_EQ(texto.count(QChar(u'\f')), 2); // two pages
}
