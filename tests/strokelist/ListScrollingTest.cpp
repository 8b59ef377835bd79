#include "strokelist/ListScrolling.h"
#include "strokelist/RowCells.h"

#include <gtest/gtest.h>

using namespace strokelist;

namespace {
constexpr int kCount = 100;
constexpr int kRows = 10;
} // namespace

TEST(ListScrolling, LimitLeavesTheLastWholeRowEmpty)
{
    EXPECT_EQ(ScrollLimit(kCount, kRows), 91);
    EXPECT_EQ(ScrollLimit(5, kRows), 0);
    EXPECT_EQ(ScrollLimit(kCount, 0), kCount);
    EXPECT_EQ(ClampScrollPos(95, kCount, kRows), 91);
    EXPECT_EQ(ClampScrollPos(-3, kCount, kRows), 0);
}

TEST(ListScrolling, PagingKeys)
{
    const int limit = ScrollLimit(kCount, kRows);
    EXPECT_EQ(PageDownTarget(85, kRows, limit), 91);
    EXPECT_EQ(PageDownTarget(91, kRows, limit), std::nullopt);
    EXPECT_EQ(PageUpTarget(4, kRows), 0);
    EXPECT_EQ(PageUpTarget(0, kRows), std::nullopt);
    EXPECT_EQ(PageUpTarget(25, kRows), 15);
}

TEST(ListScrolling, ScrollBarMessagesStopAtTheRange)
{
    EXPECT_EQ(ScrollBarTarget(ScrollRequest::LineUp, 0, kCount, kRows, 0), std::nullopt);
    EXPECT_EQ(ScrollBarTarget(ScrollRequest::LineUp, 7, kCount, kRows, 0), 6);
    EXPECT_EQ(ScrollBarTarget(ScrollRequest::LineDown, kCount, kCount, kRows, 0), std::nullopt);
    EXPECT_EQ(ScrollBarTarget(ScrollRequest::PageUp, 4, kCount, kRows, 0), 0);
    EXPECT_EQ(ScrollBarTarget(ScrollRequest::PageDown, 95, kCount, kRows, 0), kCount);
    EXPECT_EQ(ScrollBarTarget(ScrollRequest::Thumb, 3, kCount, kRows, 42), 42);
    EXPECT_EQ(ScrollBarTarget(ScrollRequest::EndScroll, 3, kCount, kRows, 42), std::nullopt);
}

TEST(ListScrolling, WheelMovesByLinesAndIgnoresFewerThanOne)
{
    EXPECT_EQ(WheelTarget(-120, 3, 10, kCount), 13);
    EXPECT_EQ(WheelTarget(-1, 3, 99, kCount), kCount);
    EXPECT_EQ(WheelTarget(240, 3, 2, kCount), 0);
    EXPECT_EQ(WheelTarget(120, 3, 0, kCount), std::nullopt);
    EXPECT_EQ(WheelTarget(120, 0, 10, kCount), std::nullopt);
    EXPECT_EQ(WheelTarget(0, 3, 10, kCount), std::nullopt);
}

TEST(ListScrolling, UpAndDownMoveTheCurrentStroke)
{
    EXPECT_EQ(UpTarget(-1), 0);
    EXPECT_EQ(UpTarget(5), 4);
    EXPECT_EQ(UpTarget(0), std::nullopt);
    EXPECT_EQ(DownTarget(-1, 3), 0);
    EXPECT_EQ(DownTarget(-1, 0), std::nullopt);
    EXPECT_EQ(DownTarget(1, 3), 2);
    EXPECT_EQ(DownTarget(2, 3), std::nullopt);
}

TEST(ListScrolling, ShiftPagingMovesTheCurrentStrokeAPageInsideTheDocument)
{
    EXPECT_EQ(PageMoveTarget(50, kRows, kCount, true), 60);
    EXPECT_EQ(PageMoveTarget(95, kRows, kCount, true), kCount - 1);
    EXPECT_EQ(PageMoveTarget(4, kRows, kCount, false), 0);
    EXPECT_EQ(PageMoveTarget(-1, kRows, kCount, true), kRows); // from the first stroke
    EXPECT_EQ(PageMoveTarget(3, 0, kCount, true), 4);          // before any layout: a row
    EXPECT_EQ(PageMoveTarget(-1, kRows, 0, true), std::nullopt);
}

TEST(ListScrolling, PaintsOnePartlyVisibleRowMore)
{
    EXPECT_EQ(LastVisibleRow(0, kRows, kCount), 11);
    EXPECT_EQ(LastVisibleRow(91, kRows, kCount), kCount);
}

TEST(RowCells, StrokeColumnHidesMarkedKeysRawColumnGreysThem)
{
    CStenoStroke stroke;
    stroke.m_rawKeys = steno::KeyBit(steno::kKeyLeftS) | steno::KeyBit(steno::kKeyZ);
    stroke.m_keyValues[steno::kKeyLeftS] = 2; // even: marked
    stroke.m_keyValues[steno::kKeyZ] = 3;     // odd: not marked
    EXPECT_EQ(RawKeyInkInStrokeColumn(stroke, steno::kKeyLeftS), CellInk::Background);
    EXPECT_EQ(RawKeyInkInStrokeColumn(stroke, steno::kKeyZ), CellInk::Text);
    EXPECT_EQ(RawKeyInkInRawColumn(stroke, steno::kKeyLeftS), CellInk::Grey);
    EXPECT_EQ(RawKeyInkInRawColumn(stroke, steno::kKeyZ), CellInk::Text);
    EXPECT_EQ(RawKeyInkInRawColumn(stroke, steno::kKeyA), CellInk::Background);
    EXPECT_EQ(RawKeyInkInStrokeColumn(stroke, 24), CellInk::Background);
    EXPECT_EQ(RawKeyInkInRawColumn(stroke, 24), CellInk::Background);
}

TEST(RowCells, MarkedMeansNonZeroAndEven)
{
    EXPECT_FALSE(steno::IsMarked(0));
    EXPECT_TRUE(steno::IsMarked(2));
    EXPECT_FALSE(steno::IsMarked(65535));
}

TEST(ListScrolling, BringsAStrokeIntoViewCentredByHalfAPageRoundedDown)
{
    struct Case
    {
        int nIndex, nCount, nClientHeight, nRowHeight, nPos;
    };
    // The first at the top, the last itself, the others centred.
    const Case cases[] = {
        {0, 100, 200, 20, 0},   {99, 100, 200, 20, 99}, {98, 100, 200, 20, 93},
        {45, 100, 200, 20, 40}, {3, 100, 200, 20, 0},   {8, 12, 219, 20, 3},
        {8, 12, 239, 20, 3},    {8, 12, 240, 20, 2},    {6, 12, 200, 0, 6}, // no layout yet
    };
    for (const Case& c : cases)
        EXPECT_EQ(BringIntoViewPosition(c.nIndex, c.nCount, c.nClientHeight, c.nRowHeight), c.nPos)
            << c.nIndex << " " << c.nClientHeight << " " << c.nRowHeight;
}
