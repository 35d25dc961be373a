#include "core/Ajustes.h"
#include "core/Records.h"
#include "core/VersionSistema.h"

#include <QStringList>
#include <cfloat>
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
    Config c{.precio = 1.0f, .meses = 24, .webhost = {}};
    const QString texto = QString::fromUtf8(k.texto);
    const std::optional<QString> r =
        k.meses ? ajustes::cambiaMeses(c, texto) : ajustes::cambiaPrecio(c, texto);
    EXPECT_FLOAT_EQ(k.meses ? float(c.meses) : c.precio, float(k.guardado));
    EXPECT_EQ(r, k.reponer ? std::optional<QString>(QString::fromUtf8(k.reponer)) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Ajustes, Cajas,
    ::testing::Values(
        Caso{false, "1,5", 1.5, nullptr}, Caso{false, " -2,5 ", -2.5, nullptr}, Caso{false, "0", 0, nullptr},
        Caso{false, "1,", 1, nullptr}, Caso{false, "", 1, nullptr}, Caso{false, "abc", 1, "1"},
        Caso{false, "340282346638528859811704183484516925440", FLT_MAX, nullptr},
        Caso{false, "-1e39", 1, "1"}, Caso{false, "inf", 1, "1"}, Caso{false, "nan", 1, "1"},
        Caso{true, "36", 36, nullptr}, Caso{true, "1", 2, nullptr}, Caso{true, "-32768", 2, nullptr},
        Caso{true, "32767", 32767, nullptr}, Caso{true, "2,5", 2, nullptr}, Caso{true, "3,5", 4, nullptr},
        Caso{true, "", 24, nullptr}, Caso{true, "32768", 24, "24"}, Caso{true, "doce", 24, "24"}));

TEST(Ajustes, BoxTextsAreSpanishAnEmptyMonthsBoxRaisesAStoredValueBelowTwoAndVersionNames) {
    // Seven significant digits, no thousands separator, an upper-case exponent.
    EXPECT_EQ((QStringList{ajustes::textoPrecio(1.5f), ajustes::textoPrecio(12345.5f),
                           ajustes::textoPrecio(1234567.f), ajustes::textoPrecio(1e20f)}),
              (QStringList{"1,5", "12345,5", "1234567", "1E+20"}));
    Config c; // no months stored
    EXPECT_EQ((std::pair{ajustes::cambiaMeses(c, QString()).has_value(), c.meses}),
              (std::pair{false, int16_t(2)}));
    // The system version: known ones by name, any other text as it is.
    QStringList nombres;
    for (const char* v : {"1.0.0", "1.1.0", "1.9.0", "2.3.0", "2.4.0", "2.5.0", "2.5.1", "2.5.2", "2.6.0",
                          "2.6.1", "2.6.2", "2.10.0", "2.6.3"})
        nombres << VersionToName(QString::fromLatin1(v)).remove(QStringLiteral("Windows "));
    EXPECT_EQ(nombres.join(u'|'),
              QStringLiteral("95|98|Millenium|NT 3.51|NT 4.0|2000|XP|2003|Vista|7|8|10/11|2.6.3"));
}
