#include "monitors/KeyRowLayout.h"

#include "tests/monitors/MonitorFontsFixture.h"

#include <gtest/gtest.h>

using namespace monitors;
using platform::Rect;

namespace {

// Key font i: letters 4 + i wide and 10 + i high, the star only 3 wide, so the
// narrowest pairs are the two around it.
FixedMeasurer KeyFont(int i)
{
    FixedMeasurer font(4 + i, 10 + i);
    font.SetWidth(L'*', 3);
    return font;
}

// Number font j: digits 3 + j / 2 wide, 10 + j / 2 high.
FixedMeasurer NumberFont(int j)
{
    return FixedMeasurer(3 + j / 2, 10 + j / 2);
}

const CFixedFonts kKeyFonts(KeyFont);
const CFixedFonts kNumberFonts(NumberFont);

} // namespace

TEST(KeyRowLayout, FontsGapAndRowForTheClientSize)
{
    struct Case
    {
        platform::Size client;
        KeyRowLayout expected;
    };
    const Case cases[] = {
        // Font 18: row 24 · 22 + 3 = 531 ≤ 600, three lines of 28 = 84; font 19
        // is too high. Gap (600 − 531) / 26 = 2; narrowest pair 22 + 3 = 25,
        // target 1.5 · 25 + 2 = 39.5: "9999" is 36 wide in number font 13, 40
        // in 14. Spread 25 · 2 + 531 = 581 centred, the third of three lines.
        {{600, 84}, {18, 13, 2, {9, 56, 590, 84}}},
        // Key font 2 (row 147, lines of 12) in a wide window: the target allows
        // any number width, the height number fonts up to 10 + 5 = 12 high.
        {{1000, 36}, {2, 5, 32, {26, 24, 973, 36}}},
        // Too small for font 0 (row 99 wide, 10 high): no "9999" is narrower than
        // 12, more than the target 1.5 · 7 + gap. (90 − 99) / 26 truncates to 0
        // and (40 − 99) / 26 to −2, toward zero; the letters then overlap.
        {{90, 20}, {0, 0, 0, {-4, 15, 95, 25}}},
        {{40, 20}, {0, 0, -2, {-4, 15, 45, 25}}},
    };
    for (const Case& c : cases) {
        const KeyRowLayout layout = ComputeKeyRowLayout(c.client, kKeyFonts, kNumberFonts);
        EXPECT_EQ(layout.nKeyFont, c.expected.nKeyFont) << c.client.cx;
        EXPECT_EQ(layout.nNumberFont, c.expected.nNumberFont) << c.client.cx;
        EXPECT_EQ(layout.nGap, c.expected.nGap) << c.client.cx;
        EXPECT_EQ(layout.rcKeyRow, c.expected.rcKeyRow) << c.client.cx;
    }
}

TEST(KeyRowLayout, WhatEachKeyPositionDraws)
{
    // Letters 10 wide, digits 4; gap 2, so key i starts at 10 + 12 · i; lines of 20.
    const KeyRowLayout layout{0, 0, 2, {10, 40, 310, 60}};
    CStenoStroke stroke;
    stroke.m_rawKeys = steno::KeyBit(steno::kKeyNumberBar) | steno::KeyBit(steno::kKeyLeftS) |
                       steno::KeyBit(steno::kKeyLeftT) | steno::KeyBit(steno::kKeyK) |
                       steno::KeyBit(steno::kKeyLeftP) | steno::KeyBit(steno::kKeyW);
    const std::array<int, 5> values{0, 1, 2, 3, 200}; // S, T, K, P, W
    for (int i = 0; i < 5; ++i)
        stroke.m_keyValues[static_cast<std::size_t>(steno::kKeyLeftS + i)] =
            static_cast<std::uint16_t>(values[static_cast<std::size_t>(i)]);
    stroke.m_keyValues[steno::kKeyH] = 9; // not down: no number

    const auto steps = PlanKeyRow(stroke, layout, FixedMeasurer(10, 20), FixedMeasurer(4, 10));

    const platform::ColorRef kGrey = kLetterGrey;
    const platform::ColorRef kBlack = platform::kBlack;
    const platform::ColorRef kWhite = platform::kWhite;
    const std::vector<MonitorTextStep> expected{
        {10, 40, L"@", kWhite},
        {22, 40, L"#", kBlack},
        // The number bar changes nothing: S and T stay letters.
        {34, 40, L"S", kBlack},
        {46, 40, L"T", kBlack},
        // 2 and 200 are even: grey letters. Even keys' numbers one line up in
        // green, odd keys' one and a half lines up in blue, centred on the letter.
        {61, 20, L"1", kEvenKeyGreen, MonitorFont::Value},
        {58, 40, L"K", kGrey},
        {73, 10, L"1", kOddKeyBlue, MonitorFont::Value},
        {70, 40, L"P", kBlack},
        {81, 20, L"100", kEvenKeyGreen, MonitorFont::Value},
        {82, 40, L"W", kGrey},
        {94, 40, L"H", kWhite},
    };
    ASSERT_EQ(steps.size(), 28u); // 25 positions and three numbers
    EXPECT_EQ(std::vector(steps.begin(), steps.begin() + 11), expected);
    // The closing blank has no value of its own and is never numbered.
    EXPECT_EQ(steps.back(), (MonitorTextStep{10 + 12 * 24, 40, L" ", kBlack}));
}
