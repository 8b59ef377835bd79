#include "monitors/KeyTimeText.h"

#include "steno/KeyTimes.h"

#include <cstdio>
#include <optional>

namespace monitors {

std::wstring KeyTimeText(const KeyTime& time)
{
    const std::optional<steno::ClockTime> day = steno::FileTimeOfDay(steno::FileTimeOf(time));
    if (!day)
        return std::wstring(kNoKeyTime);
    wchar_t szText[32];
    std::swprintf(szText, std::size(szText), L"   %02d:%02d:%02d.%03d", day->nHour, day->nMinute,
                  day->nSecond, day->nMillisecond);
    return szText;
}

} // namespace monitors
