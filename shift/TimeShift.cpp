#include "shift/TimeShift.h"

#include "base/AnsiText.h"
#include "base/LocalDayClock.h"
#include "base/LocalTime.h"
#include "steno/KeyTimes.h"
#include "shift/ShiftAmount.h"

#include <algorithm>
#include <ctime>
#include <variant>

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

/// The stroke's new time, or the refusal text when it cannot move.
std::variant<std::int64_t, std::wstring> ShiftedTime(const CStenoStroke& stroke, std::size_t nIndex,
                                                     std::int64_t nMilliseconds,
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
        return clock.MakeTime(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday,
                              nNew / base::kSecondsPerHour, nNew / base::kSecondsPerMinute % 60,
                              nNew % base::kSecondsPerMinute);
    } catch (const base::CStatusException& error) {
        return StrokeName(nIndex, stroke.m_time) + L": " + base::AnsiToWide(error.what());
    }
}

} // namespace

ShiftPlan PlanShift(std::span<const CStenoStroke> strokes, std::size_t nBegin, std::size_t nEnd,
                    std::int64_t nMilliseconds)
{
    nEnd = std::min(nEnd, strokes.size());
    nBegin = std::min(nBegin, nEnd);
    ShiftPlan plan;
    plan.moves.reserve(nEnd - nBegin);
    base::CLocalDayClock clock;
    for (std::size_t i = nBegin; i < nEnd; ++i) {
        auto shifted = ShiftedTime(strokes[i], i, nMilliseconds, clock);
        if (auto* pRefusal = std::get_if<std::wstring>(&shifted)) {
            plan.strRefusal = std::move(*pRefusal);
            std::vector<std::int32_t>().swap(plan.moves);
            break;
        }
        // Within one day and its daylight-saving hour: far inside 32 bits.
        plan.moves.push_back(
            static_cast<std::int32_t>(std::get<std::int64_t>(shifted) - strokes[i].m_time));
    }
    return plan;
}

void ApplyShift(std::span<CStenoStroke> strokes, std::size_t nBegin,
                std::span<const std::int32_t> moves, std::int64_t nMilliseconds, bool bForward)
{
    const std::int64_t nSign = bForward ? 1 : -1;
    for (std::size_t i = 0; i < moves.size() && nBegin + i < strokes.size(); ++i) {
        CStenoStroke& stroke = strokes[nBegin + i];
        stroke.m_time += nSign * moves[i];
        ShiftKeyTimes(stroke.m_keyTimes, nSign * nMilliseconds);
    }
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
