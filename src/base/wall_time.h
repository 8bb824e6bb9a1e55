// Calendar date and time of the wall clock, and its conversions.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orvane {

struct WallTime {
    int year = 1970;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int64_t secondsSince1970 = 0;

    bool operator==(const WallTime&) const = default;
};

// The calendar fields of `seconds` since 1970, counted as UTC.
WallTime WallTimeFromUtcSeconds(int64_t seconds);
// The seconds since 1970 of calendar fields read as UTC (the fields are not range-checked).
int64_t UtcSecondsOf(int year, int month, int day, int hour, int minute, int second);

// "YYYY-MM-DD HH:MM:SS", every field in range (the 29th of February only in a leap year), read
// as UTC; nothing for any other text.
std::optional<int64_t> ParseWallTimeText(std::string_view text);

// The real local time of this computer.
WallTime LocalWallTime();

}  // namespace orvane
