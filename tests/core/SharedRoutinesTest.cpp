#include "core/SharedRoutines.h"
#include "core/OleDate.h"
#include "core/VbText.h"

#include <gtest/gtest.h>

TEST(Cuantos, MultipleCodesAndBetCountsAndDayNames) {
    const std::pair<int16_t, int16_t> casos[] = {
        {501, 7},   {502, 8},  {503, 5},  {504, 9},   {505, 10},       {506, 11}, {507, 7},
        {508, 28},  {509, 44}, {510, 84}, {511, 210}, {512, 462},      {500, 0},  {513, 0},
        {211, 205}, {6, 0},    {7, 1},    {32767, 0}, {-32768, -32768}};
    for (auto [son, esperado] : casos)
        EXPECT_EQ(cuantos(son), esperado) << son;
    // Day 0 is 30 December 1899; garbage read from a file (NaN, 1e300) must not crash.
    QStringList dias;
    for (double d :
         {0.0, oledate::fromYmd(2026, 12, 6), oledate::fromYmd(2026, 12, 7), oledate::fromYmd(2026, 12, 9),
          oledate::fromYmd(1985, 10, 17), -1.0, std::numeric_limits<double>::quiet_NaN(), 1e300})
        dias << diasemana(d);
    EXPECT_EQ(dias, (QStringList{"Sábado", "Domingo", "Lunes", "Miércoles", "Jueves", "Viernes", "Sábado",
                                 "Sábado"}));
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

TEST(VbText, ValCstrAndFechaLargaReadAndWriteLikeTheRuntime) {
    // The comma is not a decimal point here.
    const std::pair<const char*, double> casos[] = {
        {" 3", 3}, {"03", 3},      {"3 ", 3},      {"1 2", 12}, {"12ab", 12},   {"abc", 0},
        {"", 0},   {"-4.5", -4.5}, {"1e3x", 1000}, {"2,5", 2},  {"\t8\r\n", 8}, {"1e999", 0}};
    for (const auto& [texto, valor] : casos)
        EXPECT_EQ(vbtext::Val(QString::fromLatin1(texto)), valor) << texto;
    // Numbers: short and long forms; dates: the long Spanish form.
    EXPECT_EQ((QStringList{vbtext::cstr(-1), vbtext::cstr(0), vbtext::cstr(1234567), vbtext::cstr(2.5),
                           vbtext::cstr(1.5e-300)}),
              (QStringList{"-1", "0", "1234567", "2.5", "1.5E-300"}));
    EXPECT_GT(vbtext::cstr(4.94e-310).size(), 7);
    EXPECT_EQ(vbtext::fechaLarga(oledate::fromYmd(2026, 12, 5)),
              QStringLiteral("Sábado, 5 de diciembre del 2026"));
    EXPECT_EQ(vbtext::fechaLarga(oledate::fromYmd(1985, 10, 17)),
              QStringLiteral("Jueves, 17 de octubre del 1985"));
}
