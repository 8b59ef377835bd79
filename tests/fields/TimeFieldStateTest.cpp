#include "fields/TimeFieldState.h"
#include "fields/TimeFieldDrawing.h"
#include "tests/support/FileTestSupport.h"
#include "tests/support/FixedMeasurer.h"

#include <gtest/gtest.h>

#include <string>

using namespace fields;

namespace {

/// 2024-05-03 in UTC at "HH:MM:SS", 24-hour.
std::int64_t At(const std::string& strTime)
{
    constexpr std::int64_t kMay3 = 1714694400;
    return kMay3 + std::stoi(strTime.substr(0, 2)) * 3600 + std::stoi(strTime.substr(3, 2)) * 60 +
           std::stoi(strTime.substr(6, 2));
}

/// Keys as letters: L R U D for the arrows, digits as themselves.
void Type(CTimeFieldState& state, const std::string& strKeys)
{
    const std::string kArrows = "LURD"; // virtual keys 0x25 to 0x28
    for (char ch : strKeys) {
        const std::size_t nArrow = kArrows.find(ch);
        state.KeyDown({nArrow == std::string::npos ? ch : platform::kVkLeft + int(nArrow)});
    }
}

struct EditCase
{
    const char* start; ///< 24-hour
    const char* keys;
    const char* end; ///< 24-hour, same date
    int nField;
    int nDigit;
};

} // namespace

TEST(TimeFieldState, KeysGiveTime)
{
    CScopedTimeZone zone(kUtcZone);
    const EditCase cases[] = {
        // Digits replace the tens, then the ones; 11 and 59 are the limits.
        {"07:00:00", "2", "11:00:00", 0, 1},
        {"07:42:00", "R19", "07:19:00", 1, 0},
        {"07:00:07", "RR9", "07:00:59", 2, 1},
        {"07:00:07", "RRR5", "07:00:07", 3, 0},
        // Up and Down wrap without carry; AM/PM toggles with Up only.
        {"03:15:59", "RRU", "03:15:00", 2, 0},
        {"23:00:00", "U", "12:00:00", 0, 0},
        {"12:00:00", "D", "23:00:00", 0, 0},
        {"03:15:00", "RRRU", "15:15:00", 3, 0},
        {"03:15:00", "RRRD", "03:15:00", 3, 0},
        // Arrows reset the digit; the fields stop at both ends.
        {"07:00:00", "1L", "11:00:00", 0, 0},
        {"07:00:00", "RRRRR", "07:00:00", 3, 0},
    };
    for (const EditCase& c : cases) {
        CTimeFieldState state;
        state.SetTime(At(c.start));
        Type(state, c.keys);
        EXPECT_EQ(state.Time(), At(c.end)) << c.start << " " << c.keys;
        EXPECT_EQ(state.Field(), c.nField) << c.keys;
        EXPECT_EQ(state.Digit(), c.nDigit) << c.keys;
    }
}

TEST(TimeFieldState, AmPmOnADaylightSavingDayIsElevenHoursLater)
{
    CScopedTimeZone zone(kEasternZone);
    CTimeFieldState state;
    state.SetTime(1710051300); // 2024-03-10 01:15:00 EST; clocks go forward at 02:00
    Type(state, "RRRU");
    EXPECT_EQ(state.Time(), 1710090900); // 01:15:00 PM EDT
}

TEST(TimeFieldState, TimeThatCannotBeConvertedStaysAndShowsNothing)
{
    CTimeFieldState state;
    state.SetTime(-1);
    Type(state, "U5RU");
    EXPECT_EQ(state.Time(), -1);
    EXPECT_EQ(state.Field(), 1);
    EXPECT_EQ(TimeFieldTexts(state.Time()), (std::array<std::wstring, 4>{}));
}

TEST(TimeFieldLayout, CellsFromFixedSamplesActiveFieldOnlyWithFocus)
{
    CScopedTimeZone zone(kUtcZone);
    FixedMeasurer measurer(7);
    measurer.SetWidth(L':', 3);
    CTimeFieldState state;
    state.SetTime(At("12:34:05"));
    Type(state, "R3"); // the minute field, next the ones digit
    std::vector<TimeFieldText> expected = {
        {{5, 2, 19, 20}, L"00", 4}, {{19, 2, 22, 20}, L":", 4},  {{22, 2, 36, 20}, L"3&4", 4, true},
        {{36, 2, 39, 20}, L":", 4}, {{39, 2, 53, 20}, L"05", 4}, {{53, 2, 74, 20}, L"PM", 5}};
    EXPECT_EQ(TimeFieldLayout(state, true, measurer, {5, 2, 300, 20}), expected);
    expected[2] = {{22, 2, 36, 20}, L"34", 4};
    EXPECT_EQ(TimeFieldLayout(state, false, measurer, {5, 2, 300, 20}), expected);
    Type(state, "RR");
    EXPECT_TRUE(TimeFieldLayout(state, true, measurer, {5, 2, 300, 20}).back().bHighlight);
    EXPECT_EQ(TimeFieldTexts(At("00:30:00"))[3], L"AM");
}
