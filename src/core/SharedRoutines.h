#pragma once

#include <QString>
#include <cstdint>

// Small pure routines that interpret stored values.

// For a multiple code 501..506 the count of its numbers; for 507..512 (code + 6) the count
// of simple bets it covers; below 500 the value less 6; otherwise 0.
int16_t cuantos(int16_t son);

// Spanish weekday name ("Domingo" .. "Sábado") of a stored date.
QString diasemana(double dime);

// n! in double precision; 1 for n below 1.
double Factorial(int32_t n);

// True when a draw on `fechaSorteo` concerns a peña with the draw days `dias` created on
// `fechaPena`: on or after its creation and on one of its days.
bool diaDeJuego(const QString& dias, double fechaPena, double fechaSorteo);
