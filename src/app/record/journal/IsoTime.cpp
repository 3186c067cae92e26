#include "app/record/journal/IsoTime.h"

#include <cstdio>

namespace app::record::journal {

namespace {

constexpr std::int64_t MsPerDay = 86'400'000;

// Days since 1970-01-01 of a proleptic Gregorian date, and back: Howard
// Hinnant, "chrono-Compatible Low-Level Date Algorithms" (days_from_civil,
// civil_from_days).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, std::int64_t &y, unsigned &m, unsigned &d)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
}

bool leapYear(std::int64_t y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

unsigned daysInMonth(std::int64_t y, unsigned m)
{
    static constexpr unsigned Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leapYear(y) ? 29 : Days[m - 1];
}

// The unsigned decimal number of `count` digits at text[at].
std::optional<unsigned> digitsAt(std::string_view text, std::size_t at, std::size_t count)
{
    unsigned value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
    }
    return value;
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

} // namespace

std::string FormatMoment(const Moment &moment)
{
    const std::int64_t local = moment.msecsSinceEpoch + std::int64_t{moment.offsetSeconds} * 1000;
    const std::int64_t days = floorDiv(local, MsPerDay);
    const std::int64_t msOfDay = local - days * MsPerDay;
    std::int64_t y = 0;
    unsigned m = 0, d = 0;
    civilFromDays(days, y, m, d);
    const int offsetMinutes = moment.offsetSeconds / 60;
    const int absOffset = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    char text[96];
    std::snprintf(text, sizeof text, "%04lld-%02u-%02uT%02lld:%02lld:%02lld.%03lld%c%02d:%02d",
                  static_cast<long long>(y), m, d, static_cast<long long>(msOfDay / 3'600'000),
                  static_cast<long long>(msOfDay / 60'000 % 60),
                  static_cast<long long>(msOfDay / 1000 % 60),
                  static_cast<long long>(msOfDay % 1000), offsetMinutes < 0 ? '-' : '+',
                  absOffset / 60, absOffset % 60);
    return text;
}

std::optional<Moment> ParseMoment(std::string_view t)
{
    // YYYY-MM-DDTHH:MM:SS.mmm+HH:MM
    // 0123456789012345678901234567
    if (t.size() != 29 || t[4] != '-' || t[7] != '-' || t[10] != 'T' || t[13] != ':' ||
        t[16] != ':' || t[19] != '.' || (t[23] != '+' && t[23] != '-') || t[26] != ':')
        return std::nullopt;
    const auto y = digitsAt(t, 0, 4), mo = digitsAt(t, 5, 2), d = digitsAt(t, 8, 2),
               h = digitsAt(t, 11, 2), mi = digitsAt(t, 14, 2), s = digitsAt(t, 17, 2),
               ms = digitsAt(t, 20, 3), oh = digitsAt(t, 24, 2), om = digitsAt(t, 27, 2);
    if (!y || !mo || !d || !h || !mi || !s || !ms || !oh || !om)
        return std::nullopt;
    if (*y < 1 || *mo < 1 || *mo > 12 || *d < 1 || *d > daysInMonth(*y, *mo) || *h > 23 ||
        *mi > 59 || *s > 59 || *oh > 18 || *om > 59 || (*oh == 18 && *om != 0))
        return std::nullopt;
    Moment moment;
    moment.offsetSeconds =
        static_cast<std::int32_t>((*oh * 60 + *om) * 60) * (t[23] == '-' ? -1 : 1);
    const std::int64_t local = daysFromCivil(*y, *mo, *d) * MsPerDay +
                               ((std::int64_t{*h} * 60 + *mi) * 60 + *s) * 1000 + *ms;
    moment.msecsSinceEpoch = local - std::int64_t{moment.offsetSeconds} * 1000;
    return moment;
}

} // namespace app::record::journal
