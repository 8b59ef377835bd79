#include "strokelist/ListLayout.h"

#include "tests/support/FixedMeasurer.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <tuple>

using namespace strokelist;

namespace {

// Font i draws every character i + 1 pixels wide and i + 1 pixels high: the
// sample (66 characters) then measures 66 * (i + 1).
class ListFonts
{
public:
    ListFonts()
    {
        for (int i = 0; i < kListFontCount; ++i) {
            m_measurers[i] = std::make_unique<FixedMeasurer>(i + 1, i + 1);
            m_pointers[i] = m_measurers[i].get();
        }
    }
    std::span<const platform::TextMeasurer* const> Span() const { return m_pointers; }

private:
    std::array<std::unique_ptr<FixedMeasurer>, kListFontCount> m_measurers;
    std::array<const platform::TextMeasurer*, kListFontCount> m_pointers{};
};

constexpr int kSampleLength = static_cast<int>(kLayoutSample.size());

} // namespace

class ListLayoutTest : public testing::Test
{
protected:
    ListFonts m_fonts;
};

TEST_F(ListLayoutTest, ExactlyFittingSampleUsesTheLargestFontWithoutSpareAndWholeRows)
{
    const int width = kSampleLength * 20;
    const ListLayout layout = ComputeListLayout(width, 490, m_fonts.Span());
    EXPECT_EQ(layout.nFont, 19);
    // Time " 00:00:00 AM " = 13 cells; stroke column one blank later, 24 cells.
    EXPECT_EQ(layout.rcTime, (platform::Rect{0, 0, 13 * 20, 24}));
    EXPECT_EQ(layout.rcStroke, (platform::Rect{14 * 20, 0, 38 * 20, 24}));
    EXPECT_EQ(layout.rcRaw, (platform::Rect{39 * 20, 0, 64 * 20, 24}));
    EXPECT_EQ(layout.nPageRows, 20); // 490 / 24, rounded down
    EXPECT_EQ(layout.RowHeight(), 24);
}

TEST_F(ListLayoutTest, SpareBlanksGoFirstBeforeTheRawColumnThenBeforeTheStrokeColumn)
{
    // {spare blanks of 20 pixels, blanks before the stroke column, before the raw column}
    for (const auto& [nSpare, nBeforeStroke, nBeforeRaw] :
         {std::tuple{1, 0, 1}, std::tuple{3, 1, 2}}) {
        const ListLayout layout =
            ComputeListLayout(kSampleLength * 20 + nSpare * 20, 480, m_fonts.Span());
        EXPECT_EQ(layout.rcStroke.left, 14 * 20 + nBeforeStroke * 20) << nSpare;
        EXPECT_EQ(layout.rcRaw.left, 39 * 20 + (nBeforeStroke + nBeforeRaw) * 20) << nSpare;
    }
}

TEST_F(ListLayoutTest, NothingFitsFallsBackToTheSmallestFontWithoutSpare)
{
    const ListLayout layout = ComputeListLayout(10, 50, m_fonts.Span());
    EXPECT_EQ(layout.nFont, 0);
    EXPECT_EQ(layout.rcStroke.left, 14);
    EXPECT_EQ(layout.rcRaw.left, 39);
}

TEST_F(ListLayoutTest, TranslationColumnTakesWhatIsSpareAfterKeyColumnsStandingTogether)
{
    const int nSample = kSampleLength + static_cast<int>(kTranslationSample.size());
    // The font must leave the column its sample: 19 fits exactly, with 5 spare blanks.
    for (const auto& [nWidth, nFont] :
         {std::pair{nSample * 20 + 5 * 20, 19}, std::pair{nSample * 20 - 1, 18}}) {
        const int cell = nFont + 1;
        const ListLayout layout = ComputeListLayout(nWidth, 480, m_fonts.Span(), true);
        EXPECT_EQ(layout.nFont, nFont);
        EXPECT_EQ(layout.rcStroke.left, 14 * cell);
        EXPECT_EQ(layout.rcRaw.left, 39 * cell);
        EXPECT_EQ(layout.rcTranslation, (platform::Rect{66 * cell, 0, nWidth, cell + 4}));
    }
    EXPECT_TRUE(ComputeListLayout(kSampleLength * 20, 480, m_fonts.Span()).rcTranslation.IsEmpty());
}

TEST(ListLayoutCellsTest, KeyCellsStartAtTheSummedWidthsOfTheCharactersBefore)
{
    FixedMeasurer font(5);
    font.SetWidth(L'W', 9);
    font.SetWidth(L'*', 2);
    const std::array<const platform::TextMeasurer*, 1> fonts{&font};
    const ListLayout layout = ComputeListLayout(1000, 100, fonts);
    // "@#STKPWHRAO*..." : W is cell 6, * cell 11.
    EXPECT_EQ(layout.cellOffsets[0], 0);
    EXPECT_EQ(layout.cellOffsets[6], 30);
    EXPECT_EQ(layout.cellOffsets[7], 39);
    EXPECT_EQ(layout.cellOffsets[12], 39 + 4 * 5 + 2);
    // The blank cell starts after all 24 letters: 22 of width 5, W and *.
    EXPECT_EQ(layout.cellOffsets[kKeyCellCount - 1], 22 * 5 + 9 + 2);
}
