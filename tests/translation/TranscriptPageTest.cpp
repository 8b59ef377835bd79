// The transcript window's page: lines broken at the width, words and what is
// glued to them kept together, the current line in the upper third.
#include "translation/TranscriptPage.h"

#include "tests/support/FixedMeasurer.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace translation;

namespace {

// Ten pixels a character, lines of 16 + 2 pixels, 6 pixels of margin.
constexpr int kLine = 18;
constexpr int kMargin = 6;

/// "one two, three" and a paragraph with "four": five translations, the comma glued.
Transcript Sample()
{
    return {"one two, three\nfour", {{0, 3, 0}, {4, 7, 1}, {7, 8, 2}, {9, 14, 3}, {15, 19, 4}}};
}

std::vector<std::tuple<std::wstring, int, int>> Placed(const TranscriptPage& page)
{
    std::vector<std::tuple<std::wstring, int, int>> placed;
    for (const TranscriptRun& run : page.runs)
        placed.emplace_back(run.strText, run.rc.left, run.rc.top);
    return placed;
}

} // namespace

TEST(TranscriptPage, LinesBreakAtTheWidthWithGluedTextKeptWithItsWord)
{
    const FixedMeasurer font(10);
    // 80 pixels take "one two," exactly; 75 do not, and the comma goes with "two".
    const TranscriptPage wide = PlanTranscriptPage(Sample(), font, {80 + 2 * kMargin, 200}, 0);
    EXPECT_EQ(Placed(wide),
              (std::vector<std::tuple<std::wstring, int, int>>{{L"one", 6, 6},
                                                               {L"two", 46, 6},
                                                               {L",", 76, 6},
                                                               {L"three", 6, 6 + kLine},
                                                               {L"four", 6, 6 + 2 * kLine}}));
    const TranscriptPage narrow = PlanTranscriptPage(Sample(), font, {75 + 2 * kMargin, 200}, 0);
    EXPECT_EQ(std::get<2>(Placed(narrow)[1]), 6 + kLine);
    EXPECT_EQ(std::get<2>(Placed(narrow)[2]), 6 + kLine);
    EXPECT_EQ(wide.TranslationAt({50, 10}), 1u);
    EXPECT_EQ(wide.TranslationAt({40, 10}), std::nullopt); // the space between words
}

TEST(TranscriptPage, TheFocusLineStandsAThirdDownThePage)
{
    // Thirty words of a line each; nine lines fit.
    Transcript transcript;
    for (std::size_t i = 0; i < 30; ++i) {
        const std::size_t nBegin = transcript.strText.size() + (i > 0 ? 1 : 0);
        transcript.strText += (i > 0 ? " word" : "word") + std::to_string(i % 10);
        transcript.pieces.push_back({nBegin, transcript.strText.size(), i});
    }
    const TranscriptPage page =
        PlanTranscriptPage(transcript, FixedMeasurer(10), {60, kMargin + 9 * kLine}, 20);
    ASSERT_EQ(page.runs.size(), 9u);
    EXPECT_EQ(page.runs.front().nTranslation, 17u);
    EXPECT_EQ(page.runs[3].nTranslation, 20u);
    EXPECT_EQ(page.runs[3].rc.top, kMargin + 3 * kLine);
}

TEST(TranscriptPage, SpanCoversTheBlockBeforeTheFocusAndStopsAtTheEnd)
{
    // {focus, count, first, end}
    for (const auto& [nFocus, nCount, nFirst, nEnd] :
         {std::tuple<std::size_t, std::size_t, std::size_t, std::size_t>{0, 100, 0, 100},
          {300, 5000, 0, 1024},
          {600, 5000, 256, 1280},
          {600, 700, 256, 700}}) {
        EXPECT_EQ(TranscriptSpanAround(nFocus, nCount), (TranscriptSpan{nFirst, nEnd})) << nFocus;
    }
}
