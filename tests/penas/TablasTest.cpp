#include "penas/TablasReducidas.h"

#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace {

QByteArray apuestas(int b, const QByteArray& linea = "010203040506") {
    QByteArray t;
    for (int i = 0; i < b; ++i)
        t += linea + "\r\n";
    return t;
}

} // namespace

TEST(Tablas, HeadersAreListedInFileOrder) {
    const QByteArray f = "8\r\n4\r\n12\r\n" + apuestas(12) + "9\r\n5\r\n18\r\n" + apuestas(18);
    const QList<tablas::Cabecera> c = tablas::cabecerasDe(f);
    ASSERT_EQ(c.size(), 2);
    EXPECT_EQ(tablas::textoCombo(c.at(0)), QStringLiteral("8 números al 4, 12 apuestas."));
    EXPECT_EQ(tablas::textoCombo(c.at(1)), QStringLiteral("9 números al 5, 18 apuestas."));
    const tablas::Lectura l = tablas::leeDe(f, 1);
    ASSERT_EQ(l.fallo, tablas::Fallo::Ninguno);
    EXPECT_EQ(l.tabla.apuestas.size(), 18);
    EXPECT_EQ(tablas::leeDe(f, 2).fallo, tablas::Fallo::NoExiste);
    EXPECT_EQ(tablas::leeDe(f, -1).fallo, tablas::Fallo::NoExiste);
}

TEST(Tablas, FieldsWithLeadingZeroOrBlankMeanTheSamePosition) {
    const QByteArray f = "8\r\n 4 \r\n2\r\n010203040506 comentario\r\n 1 2 3 4 5 6\r\n";
    const tablas::Lectura l = tablas::leeDe(f, 0);
    ASSERT_EQ(l.fallo, tablas::Fallo::Ninguno);
    EXPECT_EQ(l.tabla.cabecera.g, 4);
    EXPECT_EQ(l.tabla.apuestas.at(0), (std::array<int, 6>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(l.tabla.apuestas.at(1), (std::array<int, 6>{1, 2, 3, 4, 5, 6}));
}

TEST(Tablas, DamagedFilesAreListedButNotUsed) {
    // A file that ends inside its table still lists it, last.
    const QByteArray corta = "8\r\n4\r\n12\r\n" + apuestas(12) + "9\r\n5\r\n18\r\n" + apuestas(3);
    EXPECT_EQ(tablas::cabecerasDe(corta).size(), 2);
    EXPECT_EQ(tablas::leeDe(corta, 1).fallo, tablas::Fallo::Incompleta);
    EXPECT_EQ(tablas::leeDe(corta, 0).fallo, tablas::Fallo::Ninguno);

    EXPECT_EQ(tablas::leeDe("8\r\n4\r\n206\r\n" + apuestas(206), 0).fallo,
              tablas::Fallo::ApuestasFueraDeRango);
    EXPECT_EQ(tablas::leeDe("8\r\n4\r\n0\r\n", 0).fallo, tablas::Fallo::ApuestasFueraDeRango);
    EXPECT_EQ(tablas::leeDe("8\r\n4\r\n1\r\n000102030405\r\n", 0).fallo, tablas::Fallo::PosicionNoValida);
    EXPECT_EQ(tablas::leeDe("8\r\n4\r\n1\r\n010203040509\r\n", 0).fallo, tablas::Fallo::PosicionNoValida);
    EXPECT_EQ(tablas::leeDe("8\r\n4\r\n1\r\n010203040505\r\n", 0).fallo, tablas::Fallo::PosicionNoValida);
    EXPECT_EQ(tablas::leeDe("8\r\n4\r\n1\r\n0102\r\n", 0).fallo, tablas::Fallo::PosicionNoValida);
    EXPECT_EQ(tablas::leeDe("21\r\n4\r\n1\r\n010203040506\r\n", 0).fallo, tablas::Fallo::NumerosFueraDeRango);
    EXPECT_EQ(tablas::leeDe("", 0).fallo, tablas::Fallo::NoExiste);
    EXPECT_TRUE(tablas::cabecerasDe("").isEmpty());
    // A huge count only walks to the end of the file.
    EXPECT_EQ(tablas::cabecerasDe("8\r\n4\r\n2000000000\r\n" + apuestas(3)).size(), 1);
    EXPECT_EQ(tablas::lee(QStringLiteral("/no/existe/tablas.bin"), 0).fallo, tablas::Fallo::NoSeLee);
}

// Every shipped table keeps its promise: whatever six winning numbers come out among the
// N chosen, some bet holds at least G of them.
TEST(Tablas, ShippedTablesEnsureTheirPrize) {
    const QString ruta = QStringLiteral(VELMORAT_SOURCE_DIR "/data/tablas.bin");
    const QList<tablas::Cabecera> cabeceras = tablas::cabeceras(ruta);
    ASSERT_FALSE(cabeceras.isEmpty());
    int anterior = 0;
    for (int t = 0; t < cabeceras.size(); ++t) {
        const tablas::Lectura l = tablas::lee(ruta, t);
        ASSERT_EQ(l.fallo, tablas::Fallo::Ninguno) << "table " << t;
        const tablas::Cabecera& c = l.tabla.cabecera;
        EXPECT_GE(c.n, anterior) << "tables stand in ascending order of N";
        anterior = c.n;
        EXPECT_GE(c.g, 3);
        EXPECT_LE(c.g, 6);
        std::vector<uint32_t> mascaras;
        for (const auto& a : l.tabla.apuestas) {
            uint32_t m = 0;
            for (int x : a)
                m |= 1u << (x - 1);
            mascaras.push_back(m);
        }
        long huecos = 0;
        for (uint32_t w = 0; w < (1u << c.n); ++w) {
            if (std::popcount(w) != 6)
                continue;
            bool cubierto = false;
            for (uint32_t m : mascaras)
                if (std::popcount(m & w) >= c.g) {
                    cubierto = true;
                    break;
                }
            huecos += !cubierto;
        }
        EXPECT_EQ(huecos, 0) << "N=" << c.n << " G=" << c.g << " B=" << c.b;
    }
}
