#pragma once
// Times of day as users type them on the command line and in dialogs:
// "HH:MM:SS" on the 24-hour clock, each field two digits.

#include <optional>
#include <string_view>

namespace base {

inline constexpr int kSecondsPerMinute = 60;
inline constexpr int kSecondsPerHour = 3600;
inline constexpr int kSecondsPerDay = 86400;

struct TimeOfDay
{
    int nHour = 0;
    int nMinute = 0;
    int nSecond = 0;

    int SecondOfDay() const
    {
        return nHour * kSecondsPerHour + nMinute * kSecondsPerMinute + nSecond;
    }
};

/// "HH:MM:SS" with hours 00-23, minutes and seconds 00-59; none for anything else.
std::optional<TimeOfDay> ParseTimeOfDay(std::string_view text);

} // namespace base
