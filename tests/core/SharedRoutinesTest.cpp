#include "core/SharedRoutines.h"
#include "core/OleDate.h"
#include "core/VbText.h"

#include <gtest/gtest.h>

TEST(Cuantos, MultipleCodesBetCountsFactorialsDayNamesAndDayCounts) {
    const std::pair<int16_t, int16_t> casos[] = {
        {501, 7},   {502, 8},  {503, 5},  {504, 9},   {505, 10},       {506, 11}, {507, 7},
        {508, 28},  {509, 44}, {510, 84}, {511, 210}, {512, 462},      {500, 0},  {513, 0},
        {211, 205}, {6, 0},    {7, 1},    {32767, 0}, {-32768, -32768}};
    for (auto [son, esperado] : casos)
        EXPECT_EQ(cuantos(son), esperado) << son;
    EXPECT_EQ((std::tuple{Factorial(0), Factorial(1), Factorial(6), Factorial(-3)}),
              (std::tuple{1.0, 1.0, 720.0, 1.0}));
    // Day 0 is 30 December 1899; garbage read from a file (NaN, 1e300) must not crash.
    QStringList dias;
    for (double d :
         {0.0, oledate::fromYmd(2026, 12, 6), oledate::fromYmd(2026, 12, 7), oledate::fromYmd(2026, 12, 8),
          oledate::fromYmd(2026, 12, 9), oledate::fromYmd(1985, 10, 17), -1.0, oledate::fromYmd(1800, 1, 1),
          std::numeric_limits<double>::quiet_NaN(), 1e300})
        dias << diasemana(d);
    EXPECT_EQ(dias, (QStringList{"Sábado", "Domingo", "Lunes", "Martes", "Miércoles", "Jueves", "Viernes",
                                 "Miércoles", "Sábado", "Sábado"}));
    // Stored days run from 1 January 100 to 31 December 9999; a time of day counts for its day.
    const std::pair<double, qint64> valores[] = {{-657434, -657434}, {-657434.5, 0}, {2958465.5, 2958465},
                                                 {2958466.5, 0},     {-1.5, -2},     {2.75, 2}};
    for (auto [valor, dia] : valores)
        EXPECT_EQ(oledate::days(valor), dia) << valor;
    EXPECT_EQ((std::pair{oledate::fromYmd(100, 1, 1), oledate::fromYmd(9999, 12, 31)}),
              (std::pair{-657434.0, 2958465.0}));
}

TEST(DiaDeJuego, DaysAndCreationDate) {
    // Day 0 is Monday 30 November 2026; the peña was created during Tuesday, whose draw concerns it.
    const std::tuple<const char*, int, bool> casos[] = {
        {"Lunes          ", 7, true}, {"Lunes y Jueves", 7, false},  {"Jueves y Sábado", 3, true},
        {"Jueves y Sábado", 5, true}, {"Jueves y Sábado", 7, false}, {"Jueves y Sábado", 1, false},
        {"Todos (L+J+S)", 1, true},   {"Todos (L+J+S)", 0, false}};
    const double lunes = oledate::fromYmd(2026, 11, 30);
    for (auto [dias, dia, juega] : casos)
        EXPECT_EQ(diaDeJuego(QString::fromUtf8(dias), lunes + 1.5, lunes + dia), juega) << dias << dia;
}

TEST(VbText, ValCstrAndFechaLargaReadAndWriteLikeTheRuntime) {
    // The comma is not a decimal point here.
    const std::pair<const char*, double> casos[] = {
        {" 3", 3},    {"03", 3},      {"3 ", 3},        {"1 2", 12},  {"12ab", 12},   {"abc", 0},
        {"", 0},      {"-4.5", -4.5}, {"+7", 7},        {".5", 0.5},  {"1e3x", 1000}, {"1E+2", 100},
        {"1d2", 100}, {"2,5", 2},     {"\t8\r\n1", 81}, {"1e999", 0}, {"2\u01333", 2}};
    for (const auto& [texto, valor] : casos)
        EXPECT_EQ(vbtext::Val(QString::fromUtf8(texto)), valor) << texto;
    // Numbers: short and long forms; dates: the long Spanish form.
    QStringList textos;
    for (double v : {-1.0, 0.0, 1234560.0, 2.5, 1.0 / 3, -2.5e20, 1e-6, 1e-10 / 3, 1.5e-300,
                     std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::infinity()})
        textos << vbtext::cstr(v);
    EXPECT_EQ(textos, (QStringList{"-1", "0", "1234560", "2.5", "0.333333333333333", "-2.5E+20", "1E-06",
                                   "3.33333333333333E-11", "1.5E-300", "NaN", "-Inf"}));
    EXPECT_EQ((QStringList{vbtext::fechaLarga(oledate::fromYmd(2026, 12, 5)),
                           vbtext::fechaLarga(oledate::fromYmd(1985, 10, 17)), vbtext::nombreMes(9),
                           vbtext::nombreMes(0), vbtext::nombreMes(13)}),
              (QStringList{"Sábado, 5 de diciembre del 2026", "Jueves, 17 de octubre del 1985", "septiembre",
                           "", ""}));
}
