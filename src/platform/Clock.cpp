#include "platform/Clock.h"

namespace orvane::platform {

double DayNumber(int year, int month, int day) {
    // Days from the civil calendar (proleptic Gregorian) to 1970-01-01.
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int mp = (month + 9) % 12;
    const int doy = (153 * mp + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long long sinceUnixEpoch = static_cast<long long>(era) * 146097 + doe - 719468;
    // 1899-12-30 is 25569 days before 1970-01-01.
    return static_cast<double>(sinceUnixEpoch + 25569);
}

} // namespace orvane::platform
