#include "rtfcre/LocalTime.h"
#include "rtfcre/LocalDayClock.h"
#include "tests/support/FileTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace rtfcre;

namespace {

std::uint32_t CodeOf(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond)
{
    try {
        MakeLocalTime(nYear, nMonth, nDay, nHour, nMinute, nSecond);
    } catch (const CStatusException& error) {
        return error.Code();
    }
    return 0;
}

struct Fields
{
    int nYear, nMonth, nDay, nHour, nMinute, nSecond;
    bool operator==(const Fields&) const = default;
};

void PrintTo(const Fields& f, std::ostream* pOut)
{
    *pOut << f.nYear << '-' << f.nMonth << '-' << f.nDay << ' ' << f.nHour << ':' << f.nMinute
          << ':' << f.nSecond;
}

void ExpectParts(std::int64_t time, const Fields& expected)
{
    EXPECT_EQ((Fields{LocalYear(time), LocalMonth(time), LocalDay(time), LocalHour(time),
                      LocalMinute(time), LocalSecond(time)}),
              expected)
        << time;
}

class LocalTimeUtc : public ::testing::Test
{
    CScopedTimeZone m_zone{kUtcZone};
};

class LocalTimeEastern : public ::testing::Test
{
    CScopedTimeZone m_zone{kEasternZone};
};

} // namespace

TEST_F(LocalTimeUtc, MakesTimesAcrossTheWholeRange)
{
    EXPECT_EQ(MakeLocalTime(1970, 1, 1, 0, 0, 0), 0);
    EXPECT_EQ(MakeLocalTime(2024, 5, 3, 9, 5, 7), 1714727107);
    EXPECT_EQ(MakeLocalTime(3000, 12, 31, 23, 59, 59), kLatestTime);
    // Day 31 of a 30-day month is the first of the next.
    EXPECT_EQ(MakeLocalTime(2024, 4, 31, 0, 0, 0), MakeLocalTime(2024, 5, 1, 0, 0, 0));
    EXPECT_EQ(MakeLocalTime(2023, 2, 29, 12, 0, 0), MakeLocalTime(2023, 3, 1, 12, 0, 0));
}

TEST_F(LocalTimeUtc, FieldsOutOfRangeFailWithEFail)
{
    const Fields rows[] = {
        {1969, 12, 31, 23, 59, 59}, {2024, 0, 1, 0, 0, 0},  {2024, 13, 1, 0, 0, 0},
        {2024, 1, 0, 0, 0, 0},      {2024, 1, 32, 0, 0, 0}, {2024, 1, 1, -1, 0, 0},
        {2024, 1, 1, 24, 0, 0},     {2024, 1, 1, 0, 60, 0}, {2024, 1, 1, 0, 0, 60},
        {2024, 1, 1, 0, 0, -1},
    };
    for (const Fields& f : rows)
        EXPECT_EQ(CodeOf(f.nYear, f.nMonth, f.nDay, f.nHour, f.nMinute, f.nSecond), E_FAIL_CODE)
            << f.nYear;
}

TEST_F(LocalTimeUtc, TimesBeyondTheRangeFailWithEInvalidArg)
{
    EXPECT_EQ(CodeOf(3001, 1, 1, 0, 0, 0), E_INVALIDARG_CODE);
    EXPECT_EQ(CodeOf(2147483647, 1, 1, 0, 0, 0), E_INVALIDARG_CODE);
}

TEST_F(LocalTimeUtc, FailuresNameTheField)
{
    try {
        MakeLocalTime(2024, 5, 3, 24, 0, 0);
        FAIL() << "no exception";
    } catch (const CStatusException& error) {
        EXPECT_STREQ(error.what(), "hour 24 out of range");
    }
}

TEST_F(LocalTimeUtc, PartsOfTimes)
{
    ExpectParts(0, {1970, 1, 1, 0, 0, 0});
    ExpectParts(1714727107, {2024, 5, 3, 9, 5, 7});
    ExpectParts(kLatestTime, {3000, 12, 31, 23, 59, 59});
    ExpectParts(-1, {0, 0, 0, -1, -1, -1});
    ExpectParts(kLatestTime + 1, {0, 0, 0, -1, -1, -1});
}

TEST_F(LocalTimeUtc, FormatsLocalTime)
{
    EXPECT_EQ(FormatLocalTime(1714727107, "%Y-%m-%d %H:%M:%S"), L"2024-05-03 09:05:07");
    EXPECT_EQ(FormatLocalTime(-5, "%Y"), L"");
}

TEST_F(LocalTimeEastern, FollowsDaylightSaving)
{
    EXPECT_EQ(MakeLocalTime(2024, 1, 15, 12, 0, 0), 1705338000); // 17:00 UTC, EST
    EXPECT_EQ(MakeLocalTime(2024, 7, 1, 12, 0, 0), 1719849600);  // 16:00 UTC, EDT
    // West of Greenwich the first local midnight lies inside the range.
    EXPECT_EQ(MakeLocalTime(1970, 1, 1, 0, 0, 0), 5 * 3600);
    // 2024-03-10: 01:59:59 EST is followed by 03:00:00 EDT.
    ExpectParts(1710053999, {2024, 3, 10, 1, 59, 59});
    ExpectParts(1710054000, {2024, 3, 10, 3, 0, 0});
    // 2024-11-03: 01:59:59 EDT is followed by 01:00:00 EST.
    ExpectParts(1730613599, {2024, 11, 3, 1, 59, 59});
    ExpectParts(1730613600, {2024, 11, 3, 1, 0, 0});
}

TEST(LocalTimeEast, MidnightOfTheFirstDayLiesBeforeTheRange)
{
    const CScopedTimeZone zone("CET-1");
    EXPECT_EQ(CodeOf(1970, 1, 1, 0, 0, 0), E_INVALIDARG_CODE);
    EXPECT_EQ(MakeLocalTime(1970, 1, 1, 1, 0, 0), 0);
}

namespace {

struct ClockCase
{
    const char* zone;
    int nYear, nMonth, nDay;
};

void PrintTo(const ClockCase& day, std::ostream* pOut)
{
    *pOut << day.zone << ' ' << day.nYear << '-' << day.nMonth << '-' << day.nDay;
}

class LocalDayClockMatches : public ::testing::TestWithParam<ClockCase>
{
};

} // namespace

/// A time or the status code of its failure.
template <typename Make> std::int64_t Outcome(Make make)
{
    try {
        return make();
    } catch (const CStatusException& error) {
        return -static_cast<std::int64_t>(error.Code());
    }
}

// The clock must give exactly what the C library gives, on plain days and on
// days of a daylight-saving change alike, for every time of the day.
TEST_P(LocalDayClockMatches, MakeTimeAndSplitTimeAgreeWithTheLibrary)
{
    const ClockCase& day = GetParam();
    const CScopedTimeZone zone(day.zone);
    CLocalDayClock clock;
    for (int nSecondOfDay = 0; nSecondOfDay < 86400; nSecondOfDay += 7 * 60 + 13) {
        const int nHour = nSecondOfDay / 3600;
        const int nMinute = nSecondOfDay / 60 % 60;
        const int nSecond = nSecondOfDay % 60;
        const auto expected = Outcome([&] {
            return MakeLocalTime(day.nYear, day.nMonth, day.nDay, nHour, nMinute, nSecond);
        });
        const auto actual = Outcome([&] {
            return clock.MakeTime(day.nYear, day.nMonth, day.nDay, nHour, nMinute, nSecond);
        });
        ASSERT_EQ(actual, expected) << nHour << ':' << nMinute << ':' << nSecond;
    }
    const std::int64_t start =
        Outcome([&] { return MakeLocalTime(day.nYear, day.nMonth, day.nDay, 12, 0, 0); });
    CLocalDayClock splitter;
    for (std::int64_t t = start - 14 * 3600; t < start + 14 * 3600; t += 11 * 60 + 7) {
        int nHour = 0, nMinute = 0, nSecond = 0;
        ASSERT_EQ(splitter.SplitTime(t, nHour, nMinute, nSecond), IsConvertibleTime(t)) << t;
        ASSERT_EQ(nHour, LocalHour(t)) << t;
        ASSERT_EQ(nMinute, LocalMinute(t)) << t;
        ASSERT_EQ(nSecond, LocalSecond(t)) << t;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Days, LocalDayClockMatches,
    ::testing::Values(ClockCase{kUtcZone, 2024, 5, 3}, ClockCase{kEasternZone, 2024, 5, 3},
                      ClockCase{kEasternZone, 2024, 3, 10}, ClockCase{kEasternZone, 2024, 3, 9},
                      ClockCase{kEasternZone, 2024, 3, 11}, ClockCase{kEasternZone, 2024, 11, 3},
                      ClockCase{kEasternZone, 2024, 11, 2}, ClockCase{kEasternZone, 2024, 4, 31},
                      ClockCase{"CET-1", 1970, 1, 1}, ClockCase{kUtcZone, 3000, 12, 31}));

TEST_F(LocalTimeUtc, DayClockFailsAsTheLibraryDoes)
{
    CLocalDayClock clock;
    EXPECT_THROW(clock.MakeTime(2024, 5, 3, 24, 0, 0), CStatusException);
    try {
        clock.MakeTime(3000, 12, 31, 23, 59, 59);
        clock.MakeTime(3001, 1, 1, 0, 0, 0);
        FAIL() << "no exception";
    } catch (const CStatusException& error) {
        EXPECT_EQ(error.Code(), E_INVALIDARG_CODE);
    }
    int nHour = 0, nMinute = 0, nSecond = 0;
    EXPECT_FALSE(clock.SplitTime(-1, nHour, nMinute, nSecond));
    EXPECT_EQ(nHour, -1);
    EXPECT_EQ(nSecond, -1);
}
