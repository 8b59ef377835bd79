#include "steno/KeyTimes.h"

namespace steno {
namespace {

constexpr std::uint64_t kMillisecondsPerDay = 24ULL * 60 * 60 * 1000;
constexpr std::uint64_t kFirstUnconvertible = 1ULL << 63;

} // namespace

std::optional<ClockTime> FileTimeOfDay(std::uint64_t nFileTime)
{
    if (nFileTime >= kFirstUnconvertible)
        return std::nullopt;
    // Days since 1601 are whole days of 86,400 seconds: the time of day is the
    // remainder, whatever the date.
    const auto nMs = static_cast<int>(nFileTime / kTicksPerMillisecond % kMillisecondsPerDay);
    return ClockTime{nMs / 3600000, nMs / 60000 % 60, nMs / 1000 % 60, nMs % 1000};
}

} // namespace steno
