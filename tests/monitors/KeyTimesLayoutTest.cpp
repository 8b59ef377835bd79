#include "monitors/KeyTimesLayout.h"
#include "steno/KeyTimes.h"

#include "monitors/KeyTimeText.h"
#include "tests/monitors/MonitorFontsFixture.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace monitors;

namespace {

// Key font i: letters 4 + i wide and 10 + i high, W the widest at 8 + i.
FixedMeasurer KeyFont(int i)
{
    FixedMeasurer font(4 + i, 10 + i);
    font.SetWidth(L'W', 8 + i);
    return font;
}

// Time font j: 2 + j / 3 wide, 8 + j high.
FixedMeasurer TimeFont(int j)
{
    return FixedMeasurer(2 + j / 3, 8 + j);
}

const CFixedFonts kKeyFonts(KeyFont);
const CFixedFonts kTimeFonts(TimeFont);

} // namespace

TEST(KeyTimesLayout, FontsForTheColumnAndTheTimes)
{
    struct Case
    {
        platform::Size client;
        KeyTimesLayout expected;
    };
    const Case cases[] = {
        // 1 + 24 · 20 ≤ 497 < 1 + 24 · 21: key font 10, W 18 wide. Room 98
        // takes 15 characters of 6; the lowest letter (20) limits the time font to 12.
        {{116, 497}, {10, 12, 18}},
        // Room 42: only characters 2 wide fit, time fonts 0 to 2.
        {{60, 497}, {10, 2, 18}},
        // Not even font 0 fits the height (241): it stays, with its measurements.
        {{116, 100}, {0, 2, 8}},
    };
    for (const Case& c : cases) {
        const KeyTimesLayout layout = ComputeKeyTimesLayout(c.client, kKeyFonts, kTimeFonts);
        EXPECT_EQ(layout.nKeyFont, c.expected.nKeyFont) << c.client.cx << "x" << c.client.cy;
        EXPECT_EQ(layout.nTimeFont, c.expected.nTimeFont) << c.client.cx << "x" << c.client.cy;
        EXPECT_EQ(layout.nTimeX, c.expected.nTimeX) << c.client.cx << "x" << c.client.cy;
    }
}

TEST(KeyTimesLayout, LettersOfKeysDownAndTimesOfValuesFromTwo)
{
    // Letters 20 high from y = 1; times 14 high, 3 lower than their letter.
    CStenoStroke stroke;
    stroke.m_rawKeys = steno::KeyBit(steno::kKeyLeftS) | steno::KeyBit(steno::kKeyLeftT) |
                       steno::KeyBit(steno::kKeyLeftP);
    stroke.m_keyValues[steno::kKeyLeftS] = 2;
    stroke.m_keyValues[steno::kKeyLeftT] = 1;
    stroke.m_keyValues[steno::kKeyK] = 4; // not down
    stroke.m_keyValues[steno::kKeyLeftP] = 3;
    stroke.m_keyTimes[steno::kKeyLeftP] = steno::KeyTimeOf(133591968001513789); // 08:00:00.151

    const auto steps =
        PlanKeyTimes(stroke, {0, 0, 12}, FixedMeasurer(10, 20), FixedMeasurer(5, 14));

    const std::vector<MonitorTextStep> expected{
        {1, 1, L"@", platform::kWhite},
        {1, 21, L"#", platform::kWhite},
        {12, 44, L"   00:00:00.000", kEvenKeyGreen, MonitorFont::Value},
        {1, 41, L"S", kLetterGrey},
        {1, 61, L"T", platform::kBlack},
        {1, 81, L"K", platform::kWhite},
        {12, 104, L"   08:00:00.151", kOddKeyBlue, MonitorFont::Value},
        {1, 101, L"P", platform::kBlack},
    };
    ASSERT_EQ(steps.size(), 26u);
    EXPECT_EQ(std::vector(steps.begin(), steps.begin() + 8), expected);
    EXPECT_EQ(steps.back(), (MonitorTextStep{1, 461, L"Z", platform::kWhite}));
}

TEST(KeyTimeText, TimeOfDayOfTheStoredValueWithoutTimeZone)
{
    constexpr std::uint64_t kTicksPerMs = 10000;
    constexpr std::uint64_t kDayMs = 86400000;
    struct Case
    {
        std::uint64_t nFileTime;
        const wchar_t* pszText;
    };
    const Case cases[] = {
        {0, L"   00:00:00.000"},
        // Five days on, 13:45:30.123 and a part of a millisecond that is dropped.
        {(5 * kDayMs + 49530123) * kTicksPerMs + 9999, L"   13:45:30.123"},
        {(1ULL << 63) - 1, L"   02:48:05.477"},
        // Past what the calendar holds.
        {1ULL << 63, L"   --:--:--.---"},
        {~0ULL, L"   --:--:--.---"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyTimeText(steno::KeyTimeOf(c.nFileTime)), c.pszText) << c.nFileTime;
}
