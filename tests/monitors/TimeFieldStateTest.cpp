#include "monitors/TimeFieldState.h"
#include "monitors/TimeFieldDrawing.h"
#include "tests/support/FileTestSupport.h"
#include "tests/support/FixedMeasurer.h"

#include <gtest/gtest.h>

#include <string>

using namespace monitors;
using platform::KeyInput;

namespace {

constexpr std::int64_t kMay3 = 1714694400; // 2024-05-03 00:00:00 UTC

/// A time of 2024-05-03 in UTC from "HH:MM:SS", 24-hour.
std::int64_t At(const std::string& strTime)
{
    const int nHour = std::stoi(strTime.substr(0, 2));
    const int nMinute = std::stoi(strTime.substr(3, 2));
    return kMay3 + nHour * 3600 + nMinute * 60 + std::stoi(strTime.substr(6, 2));
}

KeyInput Key(char ch)
{
    switch (ch) {
    case 'L':
        return {platform::kVkLeft};
    case 'R':
        return {platform::kVkRight};
    case 'U':
        return {platform::kVkUp};
    case 'D':
        return {platform::kVkDown};
    default:
        return {ch};
    }
}

void Type(CTimeFieldState& state, const std::string& strKeys)
{
    for (char ch : strKeys)
        state.KeyDown(Key(ch));
}

struct EditCase
{
    const char* start; ///< 24-hour
    const char* keys;  ///< L R U D for the arrows, digits as themselves
    const char* end;   ///< 24-hour, same date
    int nField;
    int nDigit;
};

class TimeFieldEditing : public testing::TestWithParam<EditCase>
{
protected:
    CScopedTimeZone m_zone{kUtcZone};
};

} // namespace

TEST_P(TimeFieldEditing, KeysGiveTime)
{
    const EditCase& c = GetParam();
    CTimeFieldState state;
    state.SetTime(At(c.start));
    Type(state, c.keys);
    EXPECT_EQ(state.Time(), At(c.end)) << c.start << " " << c.keys;
    EXPECT_EQ(state.Field(), c.nField) << c.keys;
    EXPECT_EQ(state.Digit(), c.nDigit) << c.keys;
}

INSTANTIATE_TEST_SUITE_P(
    TimeField, TimeFieldEditing,
    testing::Values(
        // Digits replace the tens, then the ones; 11 and 59 are the limits.
        EditCase{"07:00:00", "2", "11:00:00", 0, 1}, EditCase{"07:00:00", "25", "11:00:00", 0, 0},
        EditCase{"19:00:00", "05", "17:00:00", 0, 0}, EditCase{"07:42:00", "R1", "07:12:00", 1, 1},
        EditCase{"07:42:00", "R19", "07:19:00", 1, 0}, EditCase{"07:42:00", "R9", "07:59:00", 1, 1},
        EditCase{"07:00:07", "RR9", "07:00:59", 2, 1},
        EditCase{"07:00:07", "RRR5", "07:00:07", 3, 0},
        // Up and Down wrap without carry; AM/PM toggles with Up only.
        EditCase{"03:15:59", "RRU", "03:15:00", 2, 0},
        EditCase{"03:15:00", "RRD", "03:15:59", 2, 0}, EditCase{"03:59:00", "RU", "03:00:00", 1, 0},
        EditCase{"23:00:00", "U", "12:00:00", 0, 0}, EditCase{"12:00:00", "D", "23:00:00", 0, 0},
        EditCase{"03:15:00", "RRRU", "15:15:00", 3, 0},
        EditCase{"15:15:00", "RRRU", "03:15:00", 3, 0},
        EditCase{"03:15:00", "RRRD", "03:15:00", 3, 0},
        // Arrows reset the digit; the fields stop at both ends.
        EditCase{"07:00:00", "1L", "11:00:00", 0, 0}, EditCase{"07:00:00", "1U", "00:00:00", 0, 0},
        EditCase{"07:00:00", "RRRRR", "07:00:00", 3, 0}));

TEST(TimeFieldState, ArrowsAreSwallowedOtherKeysGoOn)
{
    CScopedTimeZone zone(kUtcZone);
    CTimeFieldState state;
    state.SetTime(At("07:00:00"));
    EXPECT_TRUE(state.KeyDown(Key('U')));
    EXPECT_FALSE(state.KeyDown(Key('5')));
    EXPECT_FALSE(state.KeyDown({platform::kVkDelete}));
    EXPECT_FALSE(state.KeyDown({platform::kVkUp, false, false, true}));
    EXPECT_EQ(state.Time(), At("11:00:00")); // Up to 08, then 5 as tens: 58 limited to 11
}

TEST(TimeFieldState, FieldAndDigitCarryOverToTheNextTime)
{
    CScopedTimeZone zone(kUtcZone);
    CTimeFieldState state;
    state.SetTime(At("07:42:00"));
    Type(state, "R1");
    state.SetTime(At("08:30:00"));
    Type(state, "5");
    EXPECT_EQ(state.Time(), At("08:35:00"));
}

TEST(TimeFieldState, AmPmOnADaylightSavingDayIsElevenHoursLater)
{
    CScopedTimeZone zone(kEasternZone);
    CTimeFieldState state;
    state.SetTime(1710051300); // 2024-03-10 01:15:00 EST; clocks go forward at 02:00
    Type(state, "RRRU");
    EXPECT_EQ(state.Time(), 1710090900); // 01:15:00 PM EDT
    EXPECT_EQ(TimeFieldTexts(state.Time()),
              (std::array<std::wstring, 4>{L"01", L"15", L"00", L"PM"}));
}

TEST(TimeFieldState, TimeThatCannotBeConvertedStaysAndShowsNothing)
{
    CTimeFieldState state;
    state.SetTime(-86400 * 365);
    Type(state, "U5RU");
    EXPECT_EQ(state.Time(), -86400 * 365);
    EXPECT_EQ(state.Field(), 1);
    EXPECT_EQ(TimeFieldTexts(state.Time()), (std::array<std::wstring, 4>{}));
}

TEST(TimeFieldTexts, HourShowsZeroToEleven)
{
    CScopedTimeZone zone(kUtcZone);
    using Texts = std::array<std::wstring, 4>;
    EXPECT_EQ(TimeFieldTexts(At("12:30:00")), (Texts{L"00", L"30", L"00", L"PM"}));
    EXPECT_EQ(TimeFieldTexts(At("00:30:00")), (Texts{L"00", L"30", L"00", L"AM"}));
    EXPECT_EQ(TimeFieldTexts(At("23:05:09")), (Texts{L"11", L"05", L"09", L"PM"}));
}

TEST(TimeFieldLayout, CellsFromFixedSamples)
{
    CScopedTimeZone zone(kUtcZone);
    FixedMeasurer measurer(7);
    measurer.SetWidth(L':', 3);
    EXPECT_EQ(TimeFieldWidth(measurer), 3 * 14 + 2 * 3 + 21);
    CTimeFieldState state;
    state.SetTime(At("13:04:05"));
    const auto cells = TimeFieldLayout(state, false, measurer, {5, 2, 300, 20});
    const std::vector<TimeFieldText> expected = {
        {{5, 2, 19, 20}, L"01", 4}, {{19, 2, 22, 20}, L":", 4},  {{22, 2, 36, 20}, L"04", 4},
        {{36, 2, 39, 20}, L":", 4}, {{39, 2, 53, 20}, L"05", 4}, {{53, 2, 74, 20}, L"PM", 5}};
    EXPECT_EQ(cells, expected);
}

TEST(TimeFieldLayout, ActiveFieldStandsOutOnlyWithFocus)
{
    CScopedTimeZone zone(kUtcZone);
    const FixedMeasurer measurer(7);
    CTimeFieldState state;
    state.SetTime(At("13:04:05"));
    Type(state, "R3"); // minute field, next digit the ones
    const auto Highlighted = [&](bool bFocus) {
        std::vector<std::wstring> texts;
        for (const TimeFieldText& cell : TimeFieldLayout(state, bFocus, measurer, {0, 0, 99, 20})) {
            if (cell.bHighlight)
                texts.push_back(cell.strText);
        }
        return texts;
    };
    EXPECT_EQ(Highlighted(true), std::vector<std::wstring>{L"3&4"});
    EXPECT_EQ(Highlighted(false), std::vector<std::wstring>{});
    Type(state, "RR");
    EXPECT_EQ(Highlighted(true), std::vector<std::wstring>{L"PM"});
}
