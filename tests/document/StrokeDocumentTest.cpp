// The document's operations and what it tells its observers.
#include "DocumentFixture.h"

namespace doc::test {
namespace {

using Notices = std::vector<std::string>;

// Twelve strokes told apart by their keys (stroke i has keys i + 1).
class StrokeDocumentTest : public DocumentFixture
{
protected:
    void SetUp() override
    {
        std::vector<CStenoStroke> strokes;
        for (int i = 0; i < 12; ++i)
            strokes.push_back(MakeStroke(static_cast<steno::KeyBits>(i + 1), 1000 + i));
        m_document.AssignStrokes(std::move(strokes));
        m_observer.Take();
    }
};

TEST_F(StrokeDocumentTest, SetCurrentStrokeTellsEveryTimeAndAsksToShowOnlyAStroke)
{
    EXPECT_EQ(m_document.SetCurrentStroke(7, false), 7);
    EXPECT_EQ(m_document.SetCurrentStroke(8, true), 8);
    EXPECT_EQ(m_document.SetCurrentStroke(12, true), -1);
    EXPECT_EQ(m_document.SetCurrentStroke(-5, true), -1);
    EXPECT_EQ(m_observer.Take(),
              (Notices{"current 7/12", "current 8/12 show", "current -1/12", "current -1/12"}));
    EXPECT_FALSE(m_document.IsModified());
}

// The list needs the new count before it scrolls to the new current stroke.
// Without a current stroke a paste goes to the end.
TEST_F(StrokeDocumentTest, PasteWithoutACurrentStrokeAppends)
{
    m_document.Paste(); // nothing copied yet
    m_document.SetCurrentStroke(9, false);
    m_document.Copy();
    m_document.SetCurrentStroke(-1, false);
    m_document.Paste();
    EXPECT_EQ(m_document.Stroke(12), MakeStroke(10, 1009)); // the whole record, time included
    EXPECT_EQ(m_document.Current(), 12);
}

TEST_F(StrokeDocumentTest, ClipboardOutlivesItsDocumentAndAStrokeWithoutKeysIsNoCopy)
{
    m_document.SetCurrentStroke(0, false);
    m_document.Copy();
    std::vector<CStenoStroke> strokes(2);
    strokes[1].m_time = 77; // keys and raw keys 0
    m_document.AssignStrokes(strokes);
    m_document.Paste();
    ASSERT_EQ(m_document.Count(), 3);
    EXPECT_EQ(m_document.Stroke(2).m_keys, 1u);
    m_document.SetCurrentStroke(1, false);
    m_document.Copy();
    m_document.Paste();
    EXPECT_EQ(m_document.Count(), 3);
}

TEST_F(StrokeDocumentTest, DeleteMakesThePreviousStrokeCurrent)
{
    m_document.DeleteStroke(7);
    EXPECT_EQ(m_document.Count(), 11);
    EXPECT_EQ(m_document.Stroke(7).m_keys, 9u);
    EXPECT_EQ(m_observer.Take(), (Notices{"strokes 7 -1 +0", "current 6/11 show", "modified"}));
    m_document.DeleteStroke(0);
    EXPECT_EQ(m_document.Current(), -1); // none before the first
    m_document.DeleteStroke(11);         // past the end: nothing
    EXPECT_EQ(m_document.Count(), 10);
}

TEST_F(StrokeDocumentTest, ASelectionGrowsFromItsAnchorAndAPlainMoveDropsIt)
{
    m_document.SetCurrentStroke(5, false);
    m_observer.Take();
    m_document.ExtendSelection(7, true);
    m_document.ExtendSelection(3, true); // across the anchor
    EXPECT_EQ(m_observer.Take(), (Notices{"current 7/12 show", "selection 5-7", "current 3/12 show",
                                          "selection 3-5"}));
    m_document.SelectAll();
    EXPECT_EQ(m_document.Selection(), (StrokeRange{0, 11}));
    EXPECT_EQ(m_document.Current(), 3);
    m_document.ExtendSelection(40, true); // kept inside, from the same anchor
    EXPECT_EQ(m_document.Selection(), (StrokeRange{5, 11}));
    m_observer.Take();
    m_document.SetCurrentStroke(1, false);
    m_document.ExtendSelection(0, false);
    EXPECT_EQ(m_observer.Take(),
              (Notices{"current 1/12", "selection none", "current 0/12", "selection 0-1"}));
}

// A paste goes before the selection and makes its first stroke current.
TEST_F(StrokeDocumentTest, CopyAndPasteTakeTheRangeAndDeleteRemovesIt)
{
    const std::vector<CStenoStroke> before = m_document.Strokes();
    m_document.SetCurrentStroke(2, false);
    m_document.ExtendSelection(4, false);
    m_document.Copy();
    m_document.SetCurrentStroke(9, false);
    m_document.ExtendSelection(8, false);
    m_observer.Take();
    m_document.Paste();
    ASSERT_EQ(m_document.Count(), 15);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(m_document.Stroke(8 + i), before[static_cast<std::size_t>(2 + i)]) << i;
    EXPECT_EQ(m_document.Stroke(11).m_keys, 9u);
    EXPECT_EQ(m_observer.Take(),
              (Notices{"strokes 8 -0 +3", "current 8/15 show", "selection none", "modified"}));
    m_document.DeleteStrokes(8, 3);
    EXPECT_EQ(m_document.Strokes(), before);
    EXPECT_EQ(m_observer.Take(), (Notices{"strokes 8 -3 +0", "current 7/12 show"}));
    m_document.DeleteStrokes(10, 3); // past the end: nothing
    EXPECT_EQ(m_document.Count(), 12);
}

// The edit belongs to the stroke it began on, whatever is current when it ends.
TEST_F(StrokeDocumentTest, CommitEditChangesTimeAndKeysOfItsStrokeButNotRawKeys)
{
    constexpr steno::KeyBits kKeys = 0x123;
    m_document.SetCurrentStroke(9, false);
    m_observer.Take();
    m_document.CommitEdit(3, 4242, kKeys);
    EXPECT_EQ(m_document.Stroke(3).m_keys, kKeys);
    EXPECT_EQ(m_document.Stroke(3).m_time, 4242);
    EXPECT_EQ(m_document.Stroke(3).m_rawKeys, 4u);
    EXPECT_EQ(m_document.Current(), 9);
    EXPECT_EQ(m_observer.Take(), (Notices{"strokes 3 -1 +1", "modified"}));
    m_document.CommitEdit(12, 1, 0); // a stroke that has gone since: nothing changes
    for (int i = 0; i < m_document.Count(); ++i)
        EXPECT_NE(m_document.Stroke(i).m_keys, 0u);
}

TEST_F(StrokeDocumentTest, ACancelledEditMarksTheDocumentModifiedAndChangesNothing)
{
    m_document.CancelEdit();
    EXPECT_TRUE(m_document.IsModified());
    EXPECT_EQ(m_observer.Take(), (Notices{"modified"}));
    m_document.Undo(); // nothing to take back
    EXPECT_EQ(m_document.Stroke(0).m_keys, 1u);
}

TEST_F(StrokeDocumentTest, EmptyDocumentEverywhere)
{
    m_document.AssignStrokes({});
    EXPECT_EQ(m_document.SetCurrentStroke(0, true), -1);
    m_document.Copy();
    m_document.Paste();
    m_document.DeleteStroke(0);
    EXPECT_EQ(m_document.ReplaceKeys(-1, 0, 1, true), 0);
    EXPECT_EQ(m_document.Count(), 0);
    EXPECT_FALSE(m_document.IsModified());
}

} // namespace
} // namespace doc::test
