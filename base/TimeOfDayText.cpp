#include "base/TimeOfDayText.h"

namespace base {

namespace {

constexpr int kHoursPerDay = 24;
constexpr int kMinutesPerHour = 60;

int TwoDigits(std::string_view text)
{
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9')
        return -1;
    return (text[0] - '0') * 10 + (text[1] - '0');
}

} // namespace

std::optional<TimeOfDay> ParseTimeOfDay(std::string_view text)
{
    if (text.size() != 8 || text[2] != ':' || text[5] != ':')
        return std::nullopt;
    const TimeOfDay time{TwoDigits(text.substr(0, 2)), TwoDigits(text.substr(3, 2)),
                         TwoDigits(text.substr(6, 2))};
    if (time.nHour < 0 || time.nHour >= kHoursPerDay || time.nMinute < 0 ||
        time.nMinute >= kMinutesPerHour || time.nSecond < 0 || time.nSecond >= kSecondsPerMinute)
        return std::nullopt;
    return time;
}

} // namespace base
