#include "shift/TimeShift.h"

#include "base/AnsiText.h"
#include "base/LocalDayClock.h"
#include "base/LocalTime.h"
#include "steno/KeyTimes.h"
#include "shift/ShiftAmount.h"

#include <algorithm>
#include <ctime>

namespace shift {

namespace {


int SecondOfDay(const std::tm& fields)
{
    return base::TimeOfDay{fields.tm_hour, fields.tm_min, fields.tm_sec}.SecondOfDay();
}

std::wstring StrokeName(std::size_t nIndex, std::int64_t time)
{
    return L"stroke " + std::to_wstring(nIndex + 1) + L" (" +
           base::FormatLocalTime(time, "%H:%M:%S") + L")";
}

std::wstring OutOfDayText(std::int64_t nMilliseconds, std::size_t nIndex, std::int64_t time)
{
    return L"Shifting by " + base::AnsiToWide(FormatShiftAmount(nMilliseconds)) + L" would move " +
           StrokeName(nIndex, time) +
           (nMilliseconds < 0 ? L" before the start of its day." : L" past the end of its day.");
}

void ShiftKeyTimes(KeyTimes& keyTimes, std::int64_t nMilliseconds)
{
    // Unsigned arithmetic: a key time is a count that only wraps, never overflows.
    const std::uint64_t nTicks = static_cast<std::uint64_t>(nMilliseconds) * steno::kTicksPerMillisecond;
    for (KeyTime& keyTime : keyTimes) {
        const std::uint64_t nFileTime = steno::FileTimeOf(keyTime);
        if (nFileTime != 0) // 0 is "not struck" and stays so
            keyTime = steno::KeyTimeOf(nFileTime + nTicks);
    }
}

/// Shifts one stroke in place; the refusal text when it cannot move.
std::wstring ShiftStroke(CStenoStroke& stroke, std::size_t nIndex, std::int64_t nMilliseconds,
                         base::CLocalDayClock& clock)
{
    std::tm fields{};
    if (!base::ToLocalFields(stroke.m_time, fields))
        return L"Stroke " + std::to_wstring(nIndex + 1) + L" has no local time to shift.";
    const std::int64_t nSecond = SecondOfDay(fields) + nMilliseconds / kMillisecondsPerSecond;
    if (nSecond < 0 || nSecond >= base::kSecondsPerDay)
        return OutOfDayText(nMilliseconds, nIndex, stroke.m_time);
    const auto nNew = static_cast<int>(nSecond);
    try {
        stroke.m_time = clock.MakeTime(
            fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday, nNew / base::kSecondsPerHour,
            nNew / base::kSecondsPerMinute % 60, nNew % base::kSecondsPerMinute);
    } catch (const base::CStatusException& error) {
        return StrokeName(nIndex, stroke.m_time) + L": " + base::AnsiToWide(error.what());
    }
    ShiftKeyTimes(stroke.m_keyTimes, nMilliseconds);
    return {};
}

} // namespace

ShiftResult ShiftStrokes(std::span<const CStenoStroke> strokes, std::size_t nBegin,
                         std::size_t nEnd, std::int64_t nMilliseconds)
{
    nEnd = std::min(nEnd, strokes.size());
    nBegin = std::min(nBegin, nEnd);
    ShiftResult result;
    result.strokes.assign(strokes.begin() + static_cast<std::ptrdiff_t>(nBegin),
                          strokes.begin() + static_cast<std::ptrdiff_t>(nEnd));
    base::CLocalDayClock clock;
    for (std::size_t i = 0; i < result.strokes.size(); ++i) {
        result.strRefusal = ShiftStroke(result.strokes[i], nBegin + i, nMilliseconds, clock);
        if (result.IsRefused()) {
            result.strokes.clear();
            break;
        }
    }
    return result;
}

std::optional<std::int64_t> AmountToTimeOfDay(const CStenoStroke& anchor,
                                              const base::TimeOfDay& target)
{
    std::tm fields{};
    if (!base::ToLocalFields(anchor.m_time, fields))
        return std::nullopt;
    return (target.SecondOfDay() - SecondOfDay(fields)) * kMillisecondsPerSecond;
}

} // namespace shift
