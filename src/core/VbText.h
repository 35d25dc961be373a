#pragma once

#include <QDate>
#include <QString>

// Text conversions with the exact behaviour the program's routines rely on.
namespace vbtext {

// Numeric value of the start of a text: blanks, tabs and line feeds are skipped anywhere,
// reading stops at the first character that does not belong to a number ("12ab" is 12,
// "1 2" is 12, "abc" is 0). Accepts a sign, a decimal point and an exponent (E or D).
double Val(const QString& text);

// Text of a double as the runtime's standard conversion gives it: up to 15 significant
// digits, no trailing zeros, exponent form ("1.5E-300") for very small or large values.
QString cstr(double value);

// "Sábado, 5 de diciembre del 2026": weekday, day without a leading zero, full month name,
// four-digit year.
QString fechaLarga(double fecha);

// Spanish month name, lower case ("enero" .. "diciembre"); empty outside 1..12.
QString nombreMes(int month);

} // namespace vbtext
