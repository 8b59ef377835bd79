#include "monitors/KeyTimeText.h"

#include <cstdio>
#include <optional>

namespace monitors {
namespace {

constexpr std::uint64_t kTicksPerMillisecond = 10000;
constexpr std::uint64_t kMillisecondsPerDay = 24ULL * 60 * 60 * 1000;
constexpr std::uint64_t kFirstUnconvertible = 1ULL << 63;

struct TimeOfDay
{
    int nHour = 0;
    int nMinute = 0;
    int nSecond = 0;
    int nMillisecond = 0;
};

/// The two stored halves as one unsigned 64-bit file time.
std::uint64_t FileTimeOf(const KeyTime& time)
{
    return (std::uint64_t{static_cast<std::uint32_t>(time.nHigh)} << 32) |
           static_cast<std::uint32_t>(time.nLow);
}

/// The time of day of a file time; none from 2^63 on, which no calendar date
/// of the platform reaches.
std::optional<TimeOfDay> FileTimeOfDay(std::uint64_t nFileTime)
{
    if (nFileTime >= kFirstUnconvertible)
        return std::nullopt;
    // Days since 1601 are whole days of 86,400 seconds: the time of day is the
    // remainder, whatever the date.
    const auto nMs = static_cast<int>(nFileTime / kTicksPerMillisecond % kMillisecondsPerDay);
    return TimeOfDay{nMs / 3600000, nMs / 60000 % 60, nMs / 1000 % 60, nMs % 1000};
}

} // namespace

std::wstring KeyTimeText(const KeyTime& time)
{
    const std::optional<TimeOfDay> day = FileTimeOfDay(FileTimeOf(time));
    if (!day)
        return std::wstring(kNoKeyTime);
    wchar_t szText[32];
    std::swprintf(szText, std::size(szText), L"   %02d:%02d:%02d.%03d", day->nHour, day->nMinute,
                  day->nSecond, day->nMillisecond);
    return szText;
}

} // namespace monitors
