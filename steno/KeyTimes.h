#pragma once
// A key's down time as the file stores it: a 64-bit file time (100 ns since
// 1601, without a zone) kept as two signed halves.

#include "steno/StenoStroke.h"

#include <cstdint>
#include <optional>

namespace steno {

inline constexpr std::uint64_t kTicksPerMillisecond = 10000;

/// A time of day to the millisecond.
struct ClockTime
{
    int nHour = 0;
    int nMinute = 0;
    int nSecond = 0;
    int nMillisecond = 0;

    bool operator==(const ClockTime&) const = default;
};

/// The two stored halves as one unsigned 64-bit file time.
constexpr std::uint64_t FileTimeOf(const KeyTime& time)
{
    return (std::uint64_t{static_cast<std::uint32_t>(time.nHigh)} << 32) |
           static_cast<std::uint32_t>(time.nLow);
}

/// A file time split into the two halves a stroke stores.
constexpr KeyTime KeyTimeOf(std::uint64_t nFileTime)
{
    return {static_cast<std::int32_t>(static_cast<std::uint32_t>(nFileTime)),
            static_cast<std::int32_t>(static_cast<std::uint32_t>(nFileTime >> 32))};
}

/// The time of day of a file time; none from 2^63 on, which no calendar date
/// of the platform reaches.
std::optional<ClockTime> FileTimeOfDay(std::uint64_t nFileTime);

} // namespace steno
