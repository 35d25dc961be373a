#include "core/SharedRoutines.h"
#include "core/OleDate.h"
#include "core/VbText.h"

#include <gtest/gtest.h>

TEST(Cuantos, MultipleCodesAndBetCounts) {
    const std::pair<int16_t, int16_t> casos[] = {
        {501, 7},   {502, 8},  {503, 5},  {504, 9},   {505, 10},       {506, 11}, {507, 7},
        {508, 28},  {509, 44}, {510, 84}, {511, 210}, {512, 462},      {500, 0},  {513, 0},
        {211, 205}, {6, 0},    {7, 1},    {32767, 0}, {-32768, -32768}};
    for (auto [son, esperado] : casos)
        EXPECT_EQ(cuantos(son), esperado) << son;
}

TEST(Diasemana, NamesFromSundayToSaturday) {
    EXPECT_EQ(diasemana(0), QStringLiteral("Sábado")); // 30 December 1899
    EXPECT_EQ(diasemana(oledate::fromYmd(2026, 12, 6)), QStringLiteral("Domingo"));
    EXPECT_EQ(diasemana(oledate::fromYmd(2026, 12, 7)), QStringLiteral("Lunes"));
    EXPECT_EQ(diasemana(oledate::fromYmd(2026, 12, 9)), QStringLiteral("Miércoles"));
    EXPECT_EQ(diasemana(oledate::fromYmd(1985, 10, 17)), QStringLiteral("Jueves"));
    EXPECT_EQ(diasemana(-1), QStringLiteral("Viernes"));
    // Garbage read from a file must not crash.
    EXPECT_EQ(diasemana(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("Sábado"));
    EXPECT_EQ(diasemana(1e300), QStringLiteral("Sábado"));
}

TEST(DiaDeJuego, DaysAndCreationDate) {
    const double martes = oledate::fromYmd(2026, 12, 1);
    const double lunesAntes = oledate::fromYmd(2026, 11, 30);
    const double lunesDespues = oledate::fromYmd(2026, 12, 7);
    const double jueves = oledate::fromYmd(2026, 12, 3);
    const double sabado = oledate::fromYmd(2026, 12, 5);
    EXPECT_FALSE(diaDeJuego(QStringLiteral("Lunes"), martes, lunesAntes));
    EXPECT_TRUE(diaDeJuego(QStringLiteral("Lunes          "), martes, lunesDespues));
    EXPECT_FALSE(diaDeJuego(QStringLiteral("Lunes"), martes, jueves));
    EXPECT_TRUE(diaDeJuego(QStringLiteral("Jueves y Sábado"), martes, jueves));
    EXPECT_TRUE(diaDeJuego(QStringLiteral("Jueves y Sábado"), martes, sabado));
    EXPECT_FALSE(diaDeJuego(QStringLiteral("Jueves y Sábado"), martes, lunesDespues));
    EXPECT_TRUE(diaDeJuego(QStringLiteral("Todos (L+J+S)"), martes, martes));
    EXPECT_FALSE(diaDeJuego(QStringLiteral("Todos (L+J+S)"), martes, lunesAntes));
    EXPECT_FALSE(diaDeJuego(QString(), martes, lunesDespues));
}

TEST(Val, ReadsLikeTheRuntime) {
    EXPECT_EQ(vbtext::Val(QStringLiteral(" 3")), 3);
    EXPECT_EQ(vbtext::Val(QStringLiteral("03")), 3);
    EXPECT_EQ(vbtext::Val(QStringLiteral("3 ")), 3);
    EXPECT_EQ(vbtext::Val(QStringLiteral("1 2")), 12);
    EXPECT_EQ(vbtext::Val(QStringLiteral("12ab")), 12);
    EXPECT_EQ(vbtext::Val(QStringLiteral("abc")), 0);
    EXPECT_EQ(vbtext::Val(QString()), 0);
    EXPECT_EQ(vbtext::Val(QStringLiteral("-4.5")), -4.5);
    EXPECT_EQ(vbtext::Val(QStringLiteral("1e3x")), 1000);
    EXPECT_EQ(vbtext::Val(QStringLiteral("2,5")), 2); // the comma is not a decimal point here
    EXPECT_EQ(vbtext::Val(QStringLiteral("\t8\r\n")), 8);
    EXPECT_EQ(vbtext::Val(QStringLiteral("1e999")), 0);
}

TEST(Cstr, ShortAndLongForms) {
    EXPECT_EQ(vbtext::cstr(-1), QStringLiteral("-1"));
    EXPECT_EQ(vbtext::cstr(0), QStringLiteral("0"));
    EXPECT_EQ(vbtext::cstr(1234567), QStringLiteral("1234567"));
    EXPECT_EQ(vbtext::cstr(2.5), QStringLiteral("2.5"));
    EXPECT_EQ(vbtext::cstr(1.5e-300), QStringLiteral("1.5E-300"));
    EXPECT_GT(vbtext::cstr(4.94e-310).size(), 7);
}

TEST(FechaLarga, SpanishForm) {
    EXPECT_EQ(vbtext::fechaLarga(oledate::fromYmd(2026, 12, 5)),
              QStringLiteral("Sábado, 5 de diciembre del 2026"));
    EXPECT_EQ(vbtext::fechaLarga(oledate::fromYmd(1985, 10, 17)),
              QStringLiteral("Jueves, 17 de octubre del 1985"));
}
