#include "base/LocalTime.h"
#include "base/LocalDayClock.h"
#include "tests/support/FileTestSupport.h"

#include <gtest/gtest.h>

#include <array>

using namespace base;

namespace {

constexpr const char* kLeapZone = "right/America/New_York";

/// Year, month, day, hour, minute and second.
using Fields = std::array<int, 6>;

Fields PartsOf(std::int64_t time)
{
    return {LocalYear(time), LocalMonth(time),  LocalDay(time),
            LocalHour(time), LocalMinute(time), LocalSecond(time)};
}

/// A time, or minus the status code of its failure.
template <typename Make> std::int64_t Outcome(Make make)
{
    try {
        return make();
    } catch (const CStatusException& error) {
        return -static_cast<std::int64_t>(error.Code());
    }
}

std::int64_t Made(const Fields& f)
{
    return Outcome([&] { return MakeLocalTime(f[0], f[1], f[2], f[3], f[4], f[5]); });
}

std::int64_t Clocked(CLocalDayClock& clock, const Fields& f)
{
    return Outcome([&] { return clock.MakeTime(f[0], f[1], f[2], f[3], f[4], f[5]); });
}

class LocalTimeUtc : public ::testing::Test
{
    CScopedTimeZone m_zone{kUtcZone};
};

} // namespace

TEST_F(LocalTimeUtc, MakesAndSplitsTimesAcrossTheWholeRange)
{
    const std::pair<Fields, std::int64_t> rows[] = {
        {{1970, 1, 1, 0, 0, 0}, 0},
        {{2024, 5, 3, 9, 5, 7}, 1714727107},
        {{3000, 12, 31, 23, 59, 59}, kLatestTime},
    };
    for (const auto& [fields, time] : rows) {
        EXPECT_EQ(Made(fields), time);
        EXPECT_EQ(PartsOf(time), fields);
    }
    for (const std::int64_t time : {std::int64_t{-1}, kLatestTime + 1})
        EXPECT_EQ(PartsOf(time), (Fields{0, 0, 0, -1, -1, -1})) << time;
    // Day 31 of a 30-day month is the first of the next.
    EXPECT_EQ(Made({2024, 4, 31, 0, 0, 0}), Made({2024, 5, 1, 0, 0, 0}));
    EXPECT_EQ(Made({2023, 2, 29, 12, 0, 0}), Made({2023, 3, 1, 12, 0, 0}));
    EXPECT_EQ(FormatLocalTime(1714727107, "%Y-%m-%d %H:%M:%S"), L"2024-05-03 09:05:07");
    EXPECT_EQ(FormatLocalTime(-5, "%Y"), L"");
}

// Bad fields fail with E_FAIL, times beyond the range with E_INVALIDARG; the
// day clock fails exactly as the library does.
TEST_F(LocalTimeUtc, FailuresCarryTheirCode)
{
    const Fields badFields[] = {
        {1969, 12, 31, 23, 59, 59}, {2024, 0, 1, 0, 0, 0},  {2024, 13, 1, 0, 0, 0},
        {2024, 1, 0, 0, 0, 0},      {2024, 1, 32, 0, 0, 0}, {2024, 1, 1, -1, 0, 0},
        {2024, 1, 1, 24, 0, 0},     {2024, 1, 1, 0, 60, 0}, {2024, 1, 1, 0, 0, 60},
        {2024, 1, 1, 0, 0, -1},
    };
    const Fields beyondTheRange[] = {{3001, 1, 1, 0, 0, 0}, {2147483647, 1, 1, 0, 0, 0}};
    CLocalDayClock clock;
    const auto Expect = [&](const Fields& f, std::uint32_t nCode) {
        EXPECT_EQ(Made(f), -static_cast<std::int64_t>(nCode)) << testing::PrintToString(f);
        EXPECT_EQ(Clocked(clock, f), -static_cast<std::int64_t>(nCode));
    };
    for (const Fields& f : badFields)
        Expect(f, E_FAIL_CODE);
    for (const Fields& f : beyondTheRange)
        Expect(f, E_INVALIDARG_CODE);
}

// The range is in local time: west of Greenwich the first local midnight lies
// inside it, east of it before it. Daylight saving and leap seconds themselves
// are the C library's; the day clock below must agree with it.
TEST(LocalTimeZones, TheRangeStartsAtTheFirstLocalSecond)
{
    {
        const CScopedTimeZone zone(kEasternZone);
        EXPECT_EQ(Made({1970, 1, 1, 0, 0, 0}), 5 * 3600);
    }
    const CScopedTimeZone zone("CET-1");
    EXPECT_EQ(Made({1970, 1, 1, 0, 0, 0}), -static_cast<std::int64_t>(E_INVALIDARG_CODE));
    EXPECT_EQ(Made({1970, 1, 1, 1, 0, 0}), 0);
}

// The clock must give exactly what the C library gives, on plain days and on
// days of a daylight-saving change or a leap second alike, all day long.
TEST(LocalDayClock, MakeTimeAndSplitTimeAgreeWithTheLibrary)
{
    struct Day
    {
        const char* zone;
        int nYear, nMonth, nDay;
    };
    const Day days[] = {
        {kUtcZone, 2024, 5, 3},      {kEasternZone, 2024, 5, 3},  {kEasternZone, 2024, 3, 10},
        {kEasternZone, 2024, 11, 3}, {kEasternZone, 2024, 4, 31}, {"CET-1", 1970, 1, 1},
        {kUtcZone, 3000, 12, 31},    {kLeapZone, 2016, 12, 31},   {kLeapZone, 2017, 1, 1},
    };
    for (const Day& day : days) {
        const CScopedTimeZone zone(day.zone);
        // Without the zone file the C library falls back to UTC silently.
        if (day.zone == kLeapZone) {
            ASSERT_EQ(Made({2017, 1, 1, 0, 0, 0}) - Made({2016, 12, 31, 0, 0, 0}), 86401)
                << kLeapZone << " does not count leap seconds: is tzdata installed?";
        }
        SCOPED_TRACE(testing::Message()
                     << day.zone << ' ' << day.nYear << '-' << day.nMonth << '-' << day.nDay);
        CLocalDayClock clock;
        for (int nSecondOfDay = 0; nSecondOfDay < 86400; nSecondOfDay += 7 * 60 + 13) {
            const Fields f{
                day.nYear,        day.nMonth, day.nDay, nSecondOfDay / 3600, nSecondOfDay / 60 % 60,
                nSecondOfDay % 60};
            ASSERT_EQ(Clocked(clock, f), Made(f)) << testing::PrintToString(f);
        }
        const std::int64_t noon = Made({day.nYear, day.nMonth, day.nDay, 12, 0, 0});
        CLocalDayClock splitter;
        for (std::int64_t t = noon - 14 * 3600; t < noon + 14 * 3600; t += 11 * 60 + 7) {
            Fields f = PartsOf(t);
            ASSERT_EQ(splitter.SplitTime(t, f[3], f[4], f[5]), IsConvertibleTime(t))
                << t;
            ASSERT_EQ(f, PartsOf(t)) << t;
        }
    }
}
