#include "Escenario.h"
#include "support/RecordingPrinter.h"

#include <gtest/gtest.h>

namespace {

class Listado : public ::testing::Test, public Escenario {
  protected:
    std::shared_ptr<RecordingPrinter> imprimir(int n, double alto = 297) {
        auto p = std::make_shared<RecordingPrinter>(210, alto);
        comprobacion.imprimirListado(p, QImage(), n);
        return p;
    }
};

} // namespace

TEST_F(Listado, SimplePeñasAtTheirPositions) {
    sorteo(kSab(), {5, 12, 23, 30, 41, 47}, 9, 3);
    pena(QStringLiteral("AMIGOS"), kTodos, kJue(), {{5, 12, 23, 1, 2, 4}, {6, 7, 8, 10, 11, 13}});
    auto p = imprimir(1);
    EXPECT_EQ((std::tuple{p->began, p->ended, p->killed}), (std::tuple{true, true, false}));
    ASSERT_FALSE(p->ops.empty());
    EXPECT_EQ((std::tuple{p->ops[0].kind, p->ops[0].x, p->ops[0].y}),
              (std::tuple{RecordingPrinter::Kind::Picture, 0.0, 5.0}));
    EXPECT_EQ(p->lineas(),
              (QStringList{"1 50 40 22_ PEÑAS SENCILLAS / REDUCIDAS", "1 0 51 22 ",
                           "1 20 62 18 Sorteo del 05/12/2026  5-12-23-30-41-47  C:9  R:3", "1 0 71 8.2 ",
                           "1 30 75.1 8.2 PEÑA AMIGOS              ",
                           "1 30 79.2 8.2     5  12  23    1    2    4  ¡¡ Premio !! Has acertado 3 números.",
                           "1 30 83.3 8.2     6    7    8  10  11  13"}));
    EXPECT_FALSE(comprobacion.imprimiendo());
}

// Lines of 8.2 points are 4.1 mm on the recording printer: the first peña's heading ends at
// 79.2 mm, its bets at 83.3 and 87.4, the second peña's heading at 95.6 and its bet at 99.7.
// The 5 mm top of a later page is kept free at the bottom too.
TEST_F(Listado, PageBreaksKeepAHeadingWithItsBetAndTheIndentation) {
    sorteo(kSab(), {20, 21, 22, 23, 24, 25}, 26);
    pena(QStringLiteral("A"), kTodos, kJue(), {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
    pena(QStringLiteral("B"), kTodos, kJue(), {{13, 14, 15, 16, 17, 18}});
    // The heading that would end page 1 goes to page 2 with its bet, from the page's top.
    EXPECT_EQ(imprimir(1, 102)->lineas().mid(6),
              (QStringList{"1 30 83.3 8.2     7    8    9  10  11  12",
                           "2 30 5 8.2 PEÑA B                   ", "2 30 9.1 8.2   13  14  15  16  17  18"}));
    // A bet carried over keeps its indentation and the same top.
    EXPECT_EQ(
        imprimir(1, 91)->lineas().mid(6),
        (QStringList{"2 30 5 8.2     7    8    9  10  11  12", "2 0 9.1 8.2 ",
                     "2 30 13.2 8.2 PEÑA B                   ", "2 30 17.3 8.2   13  14  15  16  17  18"}));
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
    const QStringList t = p->lineas();
    const qsizetype titulo = t.indexOf(QStringLiteral("2 70 40 22_ PEÑAS MÚLTIPLES"));
    QList<std::pair<int, double>> logos;
    for (const auto& o : p->ops)
        if (o.kind == RecordingPrinter::Kind::Picture)
            logos.append({o.page, o.y});
    EXPECT_EQ(logos, (QList<std::pair<int, double>>{{1, 5}, {2, 5}}));
    EXPECT_EQ(
        t.mid(titulo + 2),
        (QStringList{"2 20 62 18 Sorteo del 05/12/2026  1-2-30-31-32-33  C:40  R:3", "2 0 71 8.2 ",
                     "2 30 75.1 8.2 PEÑA CINCO               ",
                     "2 30 79.2 8.2     1    2    3    4    5  ¡¡ Premio !! Tienes 4 apuestas de 3 aciertos.",
                     "2 83.3 83.3 8.2 "})); // the blank row that closes the breakdown
    EXPECT_TRUE(p->ended);
}

TEST_F(Listado, EmptyListingOrCancelledDialogPrintsNothing) {
    sorteo(kSab(), {1, 2, 30, 31, 32, 33}, 40);
    pena(QStringLiteral("S"), kTodos, kJue(), {{10, 11, 12, 13, 14, 15}});
    comprobacion.imprimirListado(nullptr, QImage(), 1); // the dialog cancelled: no check either
    EXPECT_EQ((std::tuple{comprobacion.imprimiendo(), leida(1).fecha2, dialogs.boxes.size()}),
              (std::tuple{false, 0.0, 0}));
    vista.check2 = true;
    auto p = imprimir(1);
    EXPECT_EQ((std::tuple{p->killed, p->ended, p->texts().isEmpty()}), (std::tuple{true, false, true}));
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.caja(0), (std::tuple{QStringLiteral("Listado vacío. No hay datos para imprimir,"),
                                           QStringLiteral("No hay datos"), Dialogs::Icon::Information}));
}
