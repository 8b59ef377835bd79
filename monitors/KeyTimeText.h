#pragma once
// A key's strike time as the stroke time monitor writes it: the time of day of
// a file time (100-nanosecond intervals since 1601-01-01 00:00), taken as it
// is stored, without any time-zone adjustment.

#include "steno/StenoStroke.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace monitors {

/// The widest a key time gets; the monitor sizes its time font by it.
inline constexpr std::wstring_view kKeyTimeSample = L"   00:00:00.000";
/// Shown for file times the calendar cannot hold (2^63 and more).
inline constexpr std::wstring_view kNoKeyTime = L"   --:--:--.---";

struct TimeOfDay
{
    int nHour = 0;
    int nMinute = 0;
    int nSecond = 0;
    int nMillisecond = 0;

    bool operator==(const TimeOfDay&) const = default;
};

/// The two stored halves as one unsigned 64-bit file time.
std::uint64_t FileTimeOf(const KeyTime& time);
/// A file time split into the two halves a stroke stores.
KeyTime KeyTimeOf(std::uint64_t nFileTime);

/// The time of day of a file time; none from 2^63 on, which no calendar date
/// of the platform reaches.
std::optional<TimeOfDay> FileTimeOfDay(std::uint64_t nFileTime);

/// "   hh:mm:ss.mmm" after three blanks, or kNoKeyTime.
std::wstring KeyTimeText(const KeyTime& time);

} // namespace monitors
