#include "mainwindow/OutlinedText.h"

#include "tests/support/FixedMeasurer.h"

#include <gtest/gtest.h>

using namespace mainwindow;

namespace {

const FixedMeasurer kMeasurer(7);

std::wstring Drawn(const std::vector<TextStep>& steps)
{
    std::wstring text;
    for (const auto& step : steps)
        text += step.strText;
    return text;
}

} // namespace

TEST(Heading, CentredOverTheColumnWithOnePixelBetweenCharacters)
{
    const FixedMeasurer measurer(10);
    const auto steps = PlanHeading(L"Time", 100, 200, measurer);
    // t = 40: x = 100 + (100 - 40 - 4) / 2 = 128, then +11 per character.
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0], (TextStep{L"T", 128, kHeadingTop, true}));
    EXPECT_EQ(steps[3], (TextStep{L"e", 161, kHeadingTop, true}));
    // A narrow column: (10 - 40 - 4) / 2 = -17 (toward zero, not -17.5 -> -18).
    EXPECT_EQ(PlanHeading(L"Time", 0, 10, measurer)[0].x, -17);
}

TEST(PathLine, LongFolderIsCutAndTheNameStillFollows)
{
    // e = 22; R = 400; name "/day1.rtf" is 9 chars: L = 400 - 44 - 63 - 9 = 284.
    // Folder characters fit while x + 8 < 284 with x = 180 + 8k: 12 of them.
    const auto steps = PlanPathLine(L"/home/reporter/backups/day1.rtf", 500, kMeasurer);
    EXPECT_EQ(Drawn(steps), L"/home/report.../day1.rtf");
    EXPECT_EQ(steps[0], (TextStep{L"/", kPathLineLeft, kPathLineTop, true}));
    EXPECT_EQ(steps[12], (TextStep{L"...", 180 + 12 * 8 + 1, kPathLineTop, false}));
    EXPECT_EQ(steps[13], (TextStep{L"/", 180 + 12 * 8 + 1 + 22, kPathLineTop, true}));
}

TEST(PathLine, WhatIsDrawnForEachWidth)
{
    struct Case
    {
        const wchar_t* pszPath;
        int nWidth;
        const wchar_t* pszDrawn;
    };
    const Case cases[] = {
        {L"", 1000, L""},
        {L"/a/b.rtf", 2000, L"/a/b.rtf"},
        // R = 280, no folder part; name characters fit while 180 + 8k + 8 + 22 < 280.
        {L"/a-very-long-file-name-indeed.rtf", 380, L"/a-very-l..."},
        // No name part: L = 400 - 100 - 44 = 256; 180 + 8k + 8 >= 256 first at k = 9.
        {L"abcdefghijklmnopqrstuvwxyz", 400, L"abcdefghi..."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Drawn(PlanPathLine(c.pszPath, c.nWidth, kMeasurer)), c.pszDrawn) << c.nWidth;
    EXPECT_FALSE(PlanPathLine(cases[2].pszPath, 380, kMeasurer).back().bOutlined);
}
