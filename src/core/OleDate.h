#pragma once

#include <QDate>

// Dates of the record files: days since 30 December 1899 as a double; 0 means no date.
namespace oledate {

// Whole day count of a stored date; values that are not finite or lie beyond the
// calendar (years 100..9999) give 0 so that nothing downstream overflows.
qint64 days(double value);

QDate toQDate(double value);
double fromQDate(const QDate& date);
double fromYmd(int year, int month, int day); // 0 when the day does not exist

} // namespace oledate
