#include "core/OleDate.h"

#include <cmath>

namespace oledate {
namespace {
const QDate kEpoch(1899, 12, 30);
constexpr double kMinDays = -657434; // 1 January 100
constexpr double kMaxDays = 2958465; // 31 December 9999
} // namespace

qint64 days(double value) {
    if (!std::isfinite(value) || value < kMinDays || value > kMaxDays + 1)
        return 0;
    return static_cast<qint64>(std::floor(value));
}

QDate toQDate(double value) { return kEpoch.addDays(days(value)); }

double fromQDate(const QDate& date) { return date.isValid() ? double(kEpoch.daysTo(date)) : 0.0; }

double fromYmd(int year, int month, int day) { return fromQDate(QDate(year, month, day)); }

} // namespace oledate
