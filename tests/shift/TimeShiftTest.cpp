// Shifting stroke times: the amount as typed, the wall-clock move of a range,
// its refusal at either end of the day, daylight saving and re-anchoring.
#include "shift/TimeShift.h"
#include "base/LocalTime.h"
#include "steno/KeyTimes.h"
#include "shift/ShiftAmount.h"
#include "tests/support/FileTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace shift;

constexpr std::uint64_t kStruck = 133590000000000000; // a key time of 2024
constexpr std::uint64_t kHourTicks = 36000000000;

CStenoStroke StrokeAt(int nDay, int nHour, int nMinute, int nSecond)
{
    CStenoStroke stroke;
    stroke.m_time = base::MakeLocalTime(2024, 3, nDay, nHour, nMinute, nSecond);
    stroke.m_keys = stroke.m_rawKeys = steno::KeyBit(steno::kKeyK);
    stroke.m_keyTimes[steno::kKeyK] = steno::KeyTimeOf(kStruck);
    return stroke;
}

TEST(ShiftAmount, ReadsSignedClockTimesWithAnOptionalFraction)
{
    const struct
    {
        const char* text;
        std::optional<std::int64_t> amount;
    } cases[] = {
        {"+00:00:30", 30000},
        {"-01:00:00", -3600000},
        {"+00:00:01.5", 1500},
        {"-00:00:00.25", -250},
        {"+23:59:59.999", 86399999},
        {"00:00:30", {}},
        {"+0:00:30", {}},
        {"+24:00:00", {}},
        {"+00:60:00", {}},
        {"+00:00:30.", {}},
        {"+00:00:30.1234", {}},
        {"+00:00:30x", {}},
        {"-", {}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseShiftAmount(c.text), c.amount) << c.text;
    for (std::int64_t nAmount : {0LL, -250LL, 3599001LL})
        EXPECT_EQ(ParseShiftAmount(FormatShiftAmount(nAmount)), nAmount) << nAmount;
}

class TimeShiftUtc : public ::testing::Test
{
    CScopedTimeZone m_zone{kUtcZone};
};

/// The strokes after a planned shift of [nBegin, nEnd); the input as it was when refused.
std::vector<CStenoStroke> Shifted(std::vector<CStenoStroke> strokes, std::size_t nBegin,
                                  std::size_t nEnd, std::int64_t nAmount)
{
    const ShiftPlan plan = PlanShift(strokes, nBegin, nEnd, nAmount);
    ApplyShift(strokes, nBegin, plan.moves, nAmount);
    return strokes;
}

// The time of day moves by whole seconds, key times by the whole amount, a key
// time of 0 stays 0, strokes outside the range stay; taking it back restores all.
TEST_F(TimeShiftUtc, MovesTheRangeByWholeSecondsAndKeyTimesByTheWholeAmount)
{
    const std::vector<CStenoStroke> strokes = {StrokeAt(5, 8, 0, 0), StrokeAt(5, 9, 0, 0),
                                               StrokeAt(5, 9, 0, 1), StrokeAt(5, 12, 0, 0)};
    std::vector<CStenoStroke> expected = strokes;
    for (std::size_t i = 1; i < 3; ++i) {
        expected[i].m_time -= 3600;
        expected[i].m_keyTimes[steno::kKeyK] = steno::KeyTimeOf(kStruck - kHourTicks - 5000000);
    }
    std::vector<CStenoStroke> shifted = Shifted(strokes, 1, 3, -3600500);
    EXPECT_EQ(shifted, expected);
    const ShiftPlan plan = PlanShift(strokes, 1, 3, -3600500);
    ApplyShift(shifted, 1, plan.moves, -3600500, false);
    EXPECT_EQ(shifted, strokes);
}

TEST_F(TimeShiftUtc, RefusesToMoveAnyStrokeOutOfItsDay)
{
    const std::vector<CStenoStroke> strokes = {StrokeAt(5, 0, 0, 20), StrokeAt(5, 0, 0, 10),
                                               StrokeAt(5, 23, 59, 50), StrokeAt(5, 23, 59, 59)};
    const struct
    {
        std::size_t nBegin, nEnd;
        std::int64_t nAmount;
        std::wstring refusal;
    } cases[] = {
        {0, 2, -15000,
         L"Shifting by -00:00:15 would move stroke 2 (00:00:10) before the start of "
         L"its day."},
        {1, 4, 1000,
         L"Shifting by +00:00:01 would move stroke 4 (23:59:59) past the end of its "
         L"day."},
        {0, 3, -10999, L""}, // truncated to -10 s: stroke 2 reaches midnight exactly
        {2, 3, 9999, L""},
    };
    for (const auto& c : cases) {
        const ShiftPlan plan = PlanShift(strokes, c.nBegin, c.nEnd, c.nAmount);
        EXPECT_EQ(plan.strRefusal, c.refusal) << c.nAmount;
        EXPECT_EQ(plan.moves.size(), c.refusal.empty() ? c.nEnd - c.nBegin : 0);
    }
}

// Making stroke 2 10:00:00 moves the others by as much.
TEST_F(TimeShiftUtc, ReanchorsOnOneStroke)
{
    const std::vector<CStenoStroke> strokes = {StrokeAt(5, 9, 0, 0), StrokeAt(5, 9, 0, 5)};
    const std::optional<std::int64_t> amount = AmountToTimeOfDay(strokes[1], {10, 0, 0});
    ASSERT_EQ(amount, 3595000);
    EXPECT_EQ(Shifted(strokes, 0, 2, *amount)[0].m_time, StrokeAt(5, 9, 59, 55).m_time);
}

// On 2024-03-10 New York's clocks jump from 02:00 to 03:00: three hours of
// wall clock from 00:30 are two real hours, and the local time is what a load
// of "3:30:0" would give. Key times carry no zone and move three hours.
TEST(TimeShift, MovesWallClockTimesAcrossADaylightSavingChange)
{
    const CScopedTimeZone zone(kEasternZone);
    const std::vector<CStenoStroke> strokes = {StrokeAt(10, 0, 30, 0)};
    const std::vector<CStenoStroke> later = Shifted(strokes, 0, 1, 3 * 3600000);
    EXPECT_EQ(later[0].m_time - strokes[0].m_time, 2 * 3600);
    EXPECT_EQ(base::LocalHour(later[0].m_time), 3);
    EXPECT_EQ(steno::FileTimeOf(later[0].m_keyTimes[steno::kKeyK]), kStruck + 3 * kHourTicks);
}

// 01:30 + 1 h falls in the hour that day skips; -1 h from where the clock puts
// it does not reach 01:30 again, the plan's moves do.
TEST(TimeShift, TakingAShiftBackRestoresTimesAcrossADaylightSavingChange)
{
    const CScopedTimeZone zone(kEasternZone);
    const std::vector<CStenoStroke> strokes = {StrokeAt(10, 1, 30, 0), StrokeAt(10, 4, 0, 0)};
    std::vector<CStenoStroke> shifted = strokes;
    const ShiftPlan plan = PlanShift(shifted, 0, 2, 3600000);
    ApplyShift(shifted, 0, plan.moves, 3600000);
    ASSERT_EQ(PlanShift(shifted, 0, 1, -3600000).moves, std::vector<std::int32_t>{0});
    ApplyShift(shifted, 0, plan.moves, 3600000, false);
    EXPECT_EQ(shifted, strokes);
}

} // namespace
