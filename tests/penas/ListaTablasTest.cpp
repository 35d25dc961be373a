#include "penas/ListaTablas.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace {

QByteArray tabla(int n, int g, int b, int lineas = -1) {
    QByteArray t =
        QByteArray::number(n) + "\r\n" + QByteArray::number(g) + "\r\n" + QByteArray::number(b) + "\r\n";
    for (int i = 0; i < (lineas < 0 ? b : lineas); ++i)
        t += "010203040506\r\n";
    return t;
}

} // namespace

TEST(ListaTablas, ListsAtMostFiftyOneTablesOfTheCountWithTheirFileNumbersAndTheRange) {
    const auto cab =
        tablas::cabecerasDe(tabla(8, 4, 12) + tabla(9, 5, 18) + tabla(9, 4, 7) + tabla(12, 3, 2));
    const listatablas::Lista l = listatablas::listatablas(cab, 9);
    EXPECT_EQ(l.entradas, (QStringList{QStringLiteral("9 números al 5, 18 apuestas."),
                                       QStringLiteral("9 números al 4, 7 apuestas.")}));
    EXPECT_EQ(l.tablacombo, (QList<int>{1, 2}));
    EXPECT_EQ(l.texto, QStringLiteral("Tablas disponibles"));
    EXPECT_EQ(l.label51, QStringLiteral("(Para crear reducidas, se han de elegir entre 8 y 12 números)"));

    const listatablas::Lista ninguna = listatablas::listatablas(cab, 0);
    EXPECT_FALSE(ninguna.hayTablas());
    EXPECT_EQ(ninguna.texto, QStringLiteral("No hay tablas reducidas de 0 nºs."));

    QByteArray muchas;
    for (int i = 0; i < 60; ++i)
        muchas += tabla(10, 3, 1);
    EXPECT_EQ(listatablas::listatablas(tablas::cabecerasDe(muchas), 10).tablacombo.size(), 51);
}

TEST(ListaTablas, ShortDamagedOrMissingFileGivesAShorterOrEmptyList) {
    TestFolder t;
    t.write(QStringLiteral("corto.bin"), tabla(8, 4, 12) + tabla(9, 5, 18, 3));
    t.write(QStringLiteral("basura.bin"), QByteArray("\xff\x00zz\r\n\r\n-7\r\n999999999999\r\n", 26));
    EXPECT_EQ(listatablas::listatablas(t.ruta(QStringLiteral("corto.bin")), 9).entradas.size(), 1);
    EXPECT_FALSE(listatablas::listatablas(t.ruta(QStringLiteral("basura.bin")), 9).hayTablas());
    const listatablas::Lista falta = listatablas::listatablas(t.ruta(QStringLiteral("no.bin")), 9);
    EXPECT_FALSE(falta.hayTablas());
    EXPECT_EQ(falta.label51, QStringLiteral("(Para crear reducidas, se han de elegir entre 0 y 0 números)"));
}

// The figures of the tables of 10 are checked on the wizard's page.
TEST(ListaTablas, FiguresOfAChosenTable) {
    const listatablas::Ficha f = listatablas::ficha({20, 4, 86}, 20);
    EXPECT_EQ((QStringList{f.label47, f.label50}), (QStringList{"0,22%", "38760 apuestas."}));
}
