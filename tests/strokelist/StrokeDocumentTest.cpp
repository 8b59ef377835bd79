#include "DocumentFakes.h"

#include "tests/support/FileTestSupport.h"

#include "rtfcre/LocalTime.h"
#include "steno/StenoKeys.h"

#include <gtest/gtest.h>

namespace strokelist::test {
namespace {

using platform::Answer;
using steno::KeyBit;

constexpr steno::KeyBits kKaT =
    KeyBit(steno::kKeyK) | KeyBit(steno::kKeyA) | KeyBit(steno::kKeyRightT);

// Twelve strokes told apart by their keys (stroke i has keys i + 1).
class StrokeDocumentTest : public WiredDocumentFixture
{
protected:
    void SetUp() override { Fill(12); }

    void Fill(int nCount)
    {
        std::vector<CStenoStroke> strokes;
        for (int i = 0; i < nCount; ++i)
            strokes.push_back(MakeStroke(static_cast<steno::KeyBits>(i + 1), 1000 + i));
        m_document.AssignStrokes(std::move(strokes));
        m_view.m_nRangeMax = nCount;
    }

    void MakeCurrent(int nIndex)
    {
        m_document.SetCurrentStroke(nIndex, false);
        m_log.clear();
    }

    const CScopedTimeZone m_zone{kUtcZone};
};

struct BringIntoViewCase
{
    int nIndex;
    int nAsked; // position the document asks for
    int nShown; // position after the scroll bar's limit
};

class BringIntoViewTest : public StrokeDocumentTest,
                          public ::testing::WithParamInterface<BringIntoViewCase>
{
};

// 100 strokes, 10 whole rows of 20 pixels: half a page is 5 rows, the limit 91.
TEST_P(BringIntoViewTest, ScrollsAndNotifiesInOrder)
{
    Fill(100);
    m_view.m_nScrollPos = 40;
    const BringIntoViewCase c = GetParam();
    EXPECT_EQ(m_document.SetCurrentStroke(c.nIndex, true), c.nIndex);
    EXPECT_EQ(m_log, (Log{"hide editor", "scroll " + std::to_string(c.nAsked), "repaint",
                          "current " + std::to_string(c.nIndex) + "/100"}));
    EXPECT_EQ(m_view.m_nScrollPos, c.nShown);
    EXPECT_EQ(m_document.Current(), c.nIndex);
}

INSTANTIATE_TEST_SUITE_P(Positions, BringIntoViewTest,
                         ::testing::Values(BringIntoViewCase{0, 0, 0},    // the top
                                           BringIntoViewCase{99, 99, 91}, // as far as allowed
                                           BringIntoViewCase{98, 93, 91}, // centred, limited
                                           BringIntoViewCase{45, 40,
                                                             40}, // centred although visible
                                           BringIntoViewCase{50, 45, 45},
                                           BringIntoViewCase{3, 0, 0}, // never above the top
                                           BringIntoViewCase{1, 0, 0}));

TEST_F(StrokeDocumentTest, CentresByHalfAPageRoundedDown)
{
    // Half a page is client height / (2 * row height), rounded down.
    for (const auto& [nHeight, strScroll] :
         {std::pair{219, "scroll 3"}, std::pair{239, "scroll 3"}, std::pair{240, "scroll 2"}}) {
        m_view.m_nClientHeight = nHeight;
        m_log.clear();
        m_document.SetCurrentStroke(8, true);
        EXPECT_EQ(m_log.at(1), strScroll) << nHeight;
    }
}

TEST_F(StrokeDocumentTest, WithoutRowHeightTheStrokeGoesToTheTop)
{
    m_view.m_nRowHeight = 0;
    m_document.SetCurrentStroke(6, true);
    EXPECT_EQ(m_log.at(1), "scroll 6");
}

TEST_F(StrokeDocumentTest, OutOfRangeClearsButStillNotifies)
{
    MakeCurrent(4);
    m_view.m_nScrollPos = 2;
    for (int nIndex : {12, -5, -1}) {
        m_log.clear();
        EXPECT_EQ(m_document.SetCurrentStroke(nIndex, true), -1);
        EXPECT_EQ(m_log, (Log{"hide editor", "repaint", "current -1/12"}));
        EXPECT_EQ(m_view.m_nScrollPos, 2);
    }
}

TEST_F(StrokeDocumentTest, WithoutBringIntoViewTheScrollStays)
{
    m_document.SetCurrentStroke(7, false);
    EXPECT_EQ(m_log, (Log{"hide editor", "repaint", "current 7/12"}));
    EXPECT_FALSE(m_document.IsModified());
}

// Before any copy, and after copying a stroke without keys, the clipboard is empty.
TEST_F(StrokeDocumentTest, PasteOfAnEmptyClipboardDoesNothing)
{
    MakeCurrent(3);
    m_document.PasteStroke();
    EXPECT_TRUE(m_log.empty());
    std::vector<CStenoStroke> strokes(3);
    strokes[1].m_time = 77; // keys and raw keys 0
    m_document.AssignStrokes(strokes);
    MakeCurrent(1);
    m_document.CopyStroke();
    m_document.PasteStroke();
    EXPECT_EQ(m_document.Count(), 3);
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(StrokeDocumentTest, PasteInsertsAtTheCurrentStroke)
{
    MakeCurrent(9);
    m_document.CopyStroke();
    EXPECT_FALSE(m_document.IsModified());
    MakeCurrent(5);
    m_document.PasteStroke();
    EXPECT_EQ(m_log, (Log{"range 13", "hide editor", "scroll 0", "repaint", "current 5/13"}));
    ASSERT_EQ(m_document.Count(), 13);
    EXPECT_EQ(m_document.Stroke(5), MakeStroke(10, 1009)); // the whole record, time included
    EXPECT_EQ(m_document.Stroke(6).m_keys, 6u);            // the old stroke 5 moved down
    EXPECT_EQ(m_document.Stroke(4).m_keys, 5u);
    EXPECT_EQ(m_document.Stroke(12).m_keys, 12u);
    EXPECT_EQ(m_document.Current(), 5);
    EXPECT_TRUE(m_document.IsModified());

    m_document.PasteStroke(); // another copy each time
    EXPECT_EQ(m_document.Count(), 14);
    EXPECT_EQ(m_document.Stroke(6).m_keys, 10u);
}

TEST_F(StrokeDocumentTest, PasteWithoutCurrentStrokeAppends)
{
    MakeCurrent(2);
    m_document.CopyStroke();
    MakeCurrent(-1);
    m_document.PasteStroke();
    EXPECT_EQ(m_log, (Log{"range 13", "hide editor", "scroll 12", "repaint", "current 12/13"}));
    EXPECT_EQ(m_document.Stroke(12).m_keys, 3u);
    EXPECT_EQ(m_document.Stroke(11).m_keys, 12u);
}

TEST_F(StrokeDocumentTest, ClipboardOutlivesTheDocumentItCameFrom)
{
    MakeCurrent(0);
    m_document.CopyStroke();
    m_document.AssignStrokes({}); // another file, here an empty one
    m_document.PasteStroke();
    ASSERT_EQ(m_document.Count(), 1);
    EXPECT_EQ(m_document.Stroke(0).m_keys, 1u);
    EXPECT_EQ(m_document.Current(), 0);
}

TEST_F(StrokeDocumentTest, DeleteAsksWithTimeAndLetters)
{
    std::vector<CStenoStroke> strokes = {
        MakeStroke(kKaT, rtfcre::MakeLocalTime(2024, 3, 5, 14, 5, 9)),
        MakeStroke(KeyBit(steno::kKeyNumberBar) | KeyBit(steno::kKeyLeftT), 0),
        MakeStroke(kKaT, -1)};
    m_document.AssignStrokes(strokes);
    for (int i = 0; i < 3; ++i) {
        MakeCurrent(i);
        m_prompter.Script(Answer::No);
        m_document.DeleteStroke(m_prompter);
    }
    const std::vector<platform::Prompt> expected = {
        {platform::PromptKind::YesNo, L"Do you want to remove stroke '02:05:09 PM:  KA-T'?"},
        {platform::PromptKind::YesNo, L"Do you want to remove stroke '12:00:00 AM:  #T'?"},
        {platform::PromptKind::YesNo, L"Do you want to remove stroke ':  KA-T'?"}};
    EXPECT_EQ(m_prompter.Asked(), expected);
}

TEST_F(StrokeDocumentTest, DeleteYesMakesThePreviousStrokeCurrent)
{
    MakeCurrent(7);
    m_prompter.Script(Answer::Yes);
    m_document.DeleteStroke(m_prompter);
    ASSERT_EQ(m_log.size(), 6u);
    EXPECT_EQ(Log(m_log.begin() + 1, m_log.end()),
              (Log{"range 11", "hide editor", "scroll 1", "repaint", "current 6/11"}));
    EXPECT_EQ(m_document.Count(), 11);
    EXPECT_EQ(m_document.Stroke(7).m_keys, 9u);
    EXPECT_EQ(m_document.Current(), 6);
    EXPECT_TRUE(m_document.IsModified());
}

TEST_F(StrokeDocumentTest, DeletingTheFirstStrokeLeavesNoneCurrent)
{
    MakeCurrent(0);
    m_view.m_nScrollPos = 0;
    m_prompter.Script(Answer::Yes);
    m_document.DeleteStroke(m_prompter);
    EXPECT_EQ(Log(m_log.begin() + 1, m_log.end()),
              (Log{"range 11", "hide editor", "repaint", "current -1/11"}));
    EXPECT_EQ(m_document.Stroke(0).m_keys, 2u);
    EXPECT_EQ(m_document.Current(), -1);
}

TEST_F(StrokeDocumentTest, DeletingTheLastStrokeOfAll)
{
    m_document.AssignStrokes({MakeStroke(kKaT)});
    MakeCurrent(0);
    m_prompter.Script(Answer::Yes);
    m_document.DeleteStroke(m_prompter);
    EXPECT_EQ(m_document.Count(), 0);
    EXPECT_EQ(m_log.back(), "current -1/0");
    m_document.DeleteStroke(m_prompter); // nothing current: no question
    EXPECT_EQ(m_prompter.Asked().size(), 1u);
}

TEST_F(StrokeDocumentTest, DeleteNoOrWithoutCurrentStrokeChangesNothing)
{
    MakeCurrent(4);
    m_prompter.Script(Answer::No);
    m_document.DeleteStroke(m_prompter);
    EXPECT_EQ(m_log.size(), 1u); // the question only
    EXPECT_EQ(m_document.Current(), 4);
    MakeCurrent(-1);
    m_document.DeleteStroke(m_prompter); // no scripted answer: a question would throw
    EXPECT_EQ(m_prompter.Asked().size(), 1u);
    EXPECT_EQ(m_document.Count(), 12);
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(StrokeDocumentTest, BeginEditOpensTheEditorOnTheCurrentStroke)
{
    m_document.BeginEdit();
    EXPECT_TRUE(m_log.empty());
    MakeCurrent(3);
    m_document.BeginEdit();
    EXPECT_EQ(m_log, Log{"edit 3"});
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(StrokeDocumentTest, CommitTakesTimeAndKeysButNotRawKeys)
{
    MakeCurrent(3);
    m_document.EndEdit(true, 4242, kKaT);
    const CStenoStroke& stroke = m_document.Stroke(3);
    EXPECT_EQ(stroke.m_keys, kKaT);
    EXPECT_EQ(stroke.m_time, 4242);
    EXPECT_EQ(stroke.m_rawKeys, 4u);
    EXPECT_EQ(m_log, Log{"focus"}); // the main window is not told
    EXPECT_TRUE(m_document.IsModified());
}

TEST_F(StrokeDocumentTest, CancelledEditStillMarksModified)
{
    MakeCurrent(3);
    m_document.EndEdit(false, 4242, kKaT);
    EXPECT_EQ(m_document.Stroke(3), MakeStroke(4, 1003));
    EXPECT_EQ(m_log, Log{"focus"});
    EXPECT_TRUE(m_document.IsModified());
}

TEST_F(StrokeDocumentTest, CommitWithoutCurrentStrokeChangesNoStroke)
{
    MakeCurrent(-1);
    m_document.EndEdit(true, 4242, kKaT);
    for (int i = 0; i < m_document.Count(); ++i)
        EXPECT_EQ(m_document.Stroke(i).m_keys, static_cast<steno::KeyBits>(i + 1));
    EXPECT_TRUE(m_document.IsModified());
}

TEST_F(StrokeDocumentTest, EmptyDocumentEverywhere)
{
    m_document.AssignStrokes({});
    EXPECT_EQ(m_document.SetCurrentStroke(0, true), -1);
    m_document.CopyStroke();
    m_document.PasteStroke();
    m_document.DeleteStroke(m_prompter);
    m_document.BeginEdit();
    EXPECT_EQ(m_document.FindStrokeByKeys(-1, 0), -1);
    EXPECT_EQ(m_document.FindStrokeByTime(0, 0), -1);
    EXPECT_EQ(m_log, (Log{"hide editor", "repaint", "current -1/0"}));
    EXPECT_FALSE(m_document.IsModified());
}

} // namespace
} // namespace strokelist::test
