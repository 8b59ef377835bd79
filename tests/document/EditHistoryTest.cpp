// Undo and redo of the document's changes, and the modified flag that follows them.
#include "DocumentFixture.h"

#include <functional>

namespace doc::test {
namespace {

constexpr int kStart = 50; // the current stroke before each change

// 100 strokes with keys 1, 2, 3, 1, 2, 3 … and times 1000, 1001 …
std::vector<CStenoStroke> RepeatingStrokes()
{
    return GeneratedStrokes(100);
}

class EditHistoryTest : public DocumentFixture
{
public:
    void SetUp() override
    {
        m_document.AssignStrokes(RepeatingStrokes());
        m_document.SetCurrentStroke(kStart, false);
    }
    void Delete()
    {
        const StrokeRange target = m_document.Target();
        m_document.DeleteStrokes(target.nFirst, target.Count());
    }
    /// Strokes kStart to nLast.
    void Select(int nLast) { m_document.ExtendSelection(nLast, false); }
    void Replace(bool bAll) { m_document.ReplaceKeys(-1, 1, 7, bAll); }
    CStrokeDocument& Document() { return m_document; }
};

struct ChangeCase
{
    const char* strName;
    std::function<void(EditHistoryTest&)> change;
    int nUndoCurrent; // the stroke shown after undo
    int nRedoCurrent; // and after redo
};

class EditHistoryChangeTest : public EditHistoryTest, public testing::WithParamInterface<ChangeCase>
{
};

// Each kind of change is one step: undo brings every stroke back, redo makes the
// change again, each showing the stroke it touched; the flag follows.
TEST_P(EditHistoryChangeTest, UndoRestoresAndRedoRepeats)
{
    const std::vector<CStenoStroke> before = m_document.Strokes();
    GetParam().change(*this);
    const std::vector<CStenoStroke> after = m_document.Strokes();
    ASSERT_NE(after, before);
    m_document.Undo();
    EXPECT_EQ(m_document.Strokes(), before);
    EXPECT_EQ(m_document.Current(), GetParam().nUndoCurrent);
    EXPECT_FALSE(m_document.IsModified());
    m_document.Redo();
    EXPECT_EQ(m_document.Strokes(), after);
    EXPECT_EQ(m_document.Current(), GetParam().nRedoCurrent);
    EXPECT_TRUE(m_document.IsModified());
}

INSTANTIATE_TEST_SUITE_P(
    Changes, EditHistoryChangeTest,
    testing::Values(
        ChangeCase{"Delete", [](EditHistoryTest& t) { t.Delete(); }, kStart, kStart - 1},
        // Taking back a paste at the end leaves no stroke current, as before it.
        ChangeCase{"PasteAtTheEnd",
                   [](EditHistoryTest& t) {
                       t.Document().Copy();
                       t.Document().SetCurrentStroke(-1, false);
                       t.Document().Paste();
                   },
                   -1, 100},
        ChangeCase{"CommittedEdit",
                   [](EditHistoryTest& t) { t.Document().CommitEdit(kStart, 42, 7); }, kStart,
                   kStart},
        // From stroke 50 (keys 3) the next stroke with keys 1 is 51.
        ChangeCase{"Replace", [](EditHistoryTest& t) { t.Replace(false); }, kStart + 1, kStart + 1},
        // Every third stroke from 0 changes, and comes back, in one step.
        ChangeCase{"ReplaceAll", [](EditHistoryTest& t) { t.Replace(true); }, 0, 0},
        ChangeCase{"RangeDelete",
                   [](EditHistoryTest& t) {
                       t.Select(kStart + 4);
                       t.Delete();
                   },
                   kStart, kStart - 1},
        ChangeCase{"RangePaste",
                   [](EditHistoryTest& t) {
                       t.Select(kStart + 2);
                       t.Document().Copy();
                       t.Document().SetCurrentStroke(10, false);
                       t.Document().Paste();
                   },
                   10, 10},
        ChangeCase{"ShiftTimes",
                   [](EditHistoryTest& t) {
                       ASSERT_EQ(t.Document().ShiftTimes({20, 80}, -1500), L"");
                   },
                   20, 20}),
    [](const testing::TestParamInfo<ChangeCase>& info) { return info.param.strName; });

TEST_F(EditHistoryTest, ANewChangeAfterUndoDropsTheRedoSteps)
{
    Delete();
    m_document.Undo();
    m_document.CommitEdit(kStart, 42, 7);
    const std::vector<CStenoStroke> edited = m_document.Strokes();
    m_document.Redo();
    EXPECT_EQ(m_document.Strokes(), edited);
}

// A cancelled edit marks the document modified but changes no stroke, so it is
// no step; nor is an edit to the same time and keys.
TEST_F(EditHistoryTest, EditsThatChangeNothingAreNoSteps)
{
    Delete();
    m_document.CancelEdit();
    m_document.CommitEdit(49, m_document.Stroke(49).m_time, m_document.Stroke(49).m_keys);
    m_document.Undo();
    EXPECT_EQ(m_document.Strokes(), RepeatingStrokes());
}

TEST_F(EditHistoryTest, ModifiedFollowsTheLastSavedState)
{
    Delete();
    ASSERT_TRUE(m_document.Save(Wide(m_folder / "saved.rtf")).bDone);
    m_document.Undo();
    EXPECT_TRUE(m_document.IsModified());
    m_document.Redo();
    EXPECT_FALSE(m_document.IsModified());
    // Once the saved state is dropped, no state is the saved one.
    m_document.Undo();
    m_document.CommitEdit(kStart, 42, 7);
    m_document.Undo();
    m_document.Redo();
    EXPECT_TRUE(m_document.IsModified());
}

TEST_F(EditHistoryTest, LoadingAFileClearsTheHistory)
{
    Delete();
    LoadFile("load.rtf", {FileStroke{"KAT", "", "9:0:0:0"}});
    const std::vector<CStenoStroke> loaded = m_document.Strokes();
    m_document.Undo();
    EXPECT_EQ(m_document.Strokes(), loaded);
}

} // namespace
} // namespace doc::test
