#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A moment as the journal writes it: local wall-clock time to the
// millisecond with its offset from UTC, "2025-06-01T10:11:12.345+09:00"
// (ISO 8601 extended format), so the file reads as the user saw the clock.
namespace app::record::journal {

struct Moment
{
    std::int64_t msecsSinceEpoch = 0; // UTC
    std::int32_t offsetSeconds = 0;   // local time minus UTC

    friend bool operator==(const Moment &, const Moment &) = default;
};

// Years 0001 to 9999; offsets within ±18 hours, whole minutes.
std::string FormatMoment(const Moment &moment);

// Exactly the form FormatMoment writes; nothing for anything else or an
// impossible date ("2025-02-30").
std::optional<Moment> ParseMoment(std::string_view text);

} // namespace app::record::journal
