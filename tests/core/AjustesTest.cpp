#include "core/Ajustes.h"
#include "core/Records.h"
#include "core/VersionSistema.h"

#include <gtest/gtest.h>

namespace {

struct Caso {
    bool meses; // the months box, else the price box
    const char* texto;
    double guardado;     // the value kept after the change
    const char* reponer; // the text put back in the box, nullptr when none
};

} // namespace

struct Cajas : ::testing::TestWithParam<Caso> {};

TEST_P(Cajas, ConvertOrPutBack) {
    const Caso& k = GetParam();
    Config c;
    c.precio = 1.0f;
    c.meses = 24;
    const QString texto = QString::fromUtf8(k.texto);
    const std::optional<QString> r =
        k.meses ? ajustes::cambiaMeses(c, texto) : ajustes::cambiaPrecio(c, texto);
    EXPECT_FLOAT_EQ(k.meses ? float(c.meses) : c.precio, float(k.guardado));
    EXPECT_EQ(r, k.reponer ? std::optional<QString>(QString::fromUtf8(k.reponer)) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Ajustes, Cajas,
                         ::testing::Values(Caso{false, "1,5", 1.5, nullptr}, Caso{false, " 2 ", 2, nullptr},
                                           Caso{false, "0", 0, nullptr}, Caso{false, "1,", 1, nullptr},
                                           Caso{false, "", 1, nullptr}, Caso{false, "abc", 1, "1"},
                                           Caso{false, "1e39", 1, "1"}, Caso{false, "inf", 1, "1"},
                                           Caso{false, "nan", 1, "1"}, Caso{true, "36", 36, nullptr},
                                           Caso{true, "1", 2, nullptr}, Caso{true, "0", 2, nullptr},
                                           Caso{true, "-5", 2, nullptr}, Caso{true, "2,5", 2, nullptr},
                                           Caso{true, "3,5", 4, nullptr}, Caso{true, "", 24, nullptr},
                                           Caso{true, "99999", 24, "24"}, Caso{true, "doce", 24, "24"}));

TEST(Ajustes, BoxTextsAreSpanishAnEmptyMonthsBoxRaisesAStoredValueBelowTwoAndVersionNames) {
    EXPECT_EQ(ajustes::textoPrecio(1.5f), QStringLiteral("1,5"));
    EXPECT_EQ(ajustes::textoPrecio(1234.25f), QStringLiteral("1234,25"));
    Config c;
    c.meses = 0;
    EXPECT_FALSE(ajustes::cambiaMeses(c, QString()).has_value());
    EXPECT_EQ(c.meses, 2);
    // The system version: known ones by name, any other text as it is.
    EXPECT_EQ(VersionToName(QStringLiteral("2.10.0")), QStringLiteral("Windows 10/11"));
    EXPECT_EQ(VersionToName(QStringLiteral("2.6.3")), QStringLiteral("2.6.3"));
    EXPECT_EQ(VersionToName(NativeGetVersion()), NativeGetVersion());
    EXPECT_FALSE(NativeGetVersion().isEmpty());
}
