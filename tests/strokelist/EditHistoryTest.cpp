// Undo and redo of the document's changes, and the modified flag that follows them.
#include "StrokeFileFixture.h"

#include <algorithm>
#include <functional>
#include <ostream>

namespace strokelist::test {
namespace {

using platform::Answer;

constexpr int kStrokes = 100;
constexpr int kStart = 50; // current before each change

// Strokes with keys 1, 2, 3, 1, 2, 3 … and times 1000, 1001 …, so a Replace All
// of keys 1 changes a third of them.
std::vector<CStenoStroke> RepeatingStrokes()
{
    std::vector<CStenoStroke> strokes;
    for (int i = 0; i < kStrokes; ++i)
        strokes.push_back(MakeStroke(static_cast<steno::KeyBits>(i % 3 + 1), 1000 + i));
    return strokes;
}

class EditHistoryTest : public StrokeFileFixture
{
public:
    void SetUp() override
    {
        m_document.AssignStrokes(RepeatingStrokes());
        m_view.m_nRangeMax = kStrokes;
        m_document.SetModified(false);
        m_document.SetCurrentStroke(kStart, false);
        m_log.clear();
    }

    void Replace(steno::KeyBits find, steno::KeyBits put, bool bAll)
    {
        m_document.ReplaceStrokes(-1, MakeStroke(find), MakeStroke(put), bAll, m_prompter);
    }

    void Delete()
    {
        m_prompter.Script(Answer::Yes);
        m_document.DeleteStroke(m_prompter);
    }

    CStrokeDocument& Document() { return m_document; }

protected:
    /// The last stroke made current and the view brought to it.
    void ExpectShown(int nIndex)
    {
        EXPECT_EQ(m_document.Current(), nIndex);
        ASSERT_FALSE(m_log.empty());
        EXPECT_EQ(m_log.back(),
                  "current " + std::to_string(nIndex) + "/" + std::to_string(m_document.Count()));
        const std::string strScroll =
            "scroll " +
            std::to_string(BringIntoViewPosition(nIndex, m_document.Count(), m_view.m_nClientHeight,
                                                 m_view.m_nRowHeight));
        if (nIndex != -1) {
            EXPECT_NE(std::find(m_log.begin(), m_log.end(), strScroll), m_log.end());
        }
        m_log.clear();
    }
};

struct ChangeCase
{
    const char* strName;
    std::function<void(EditHistoryTest&)> change;
    int nUndoCurrent; // the stroke shown after undo
    int nRedoCurrent; // and after redo

    friend void PrintTo(const ChangeCase& c, std::ostream* pStream) { *pStream << c.strName; }
};

class EditHistoryChangeTest : public EditHistoryTest, public testing::WithParamInterface<ChangeCase>
{
};

// Every kind of change is one step: undo brings back every stroke as it was,
// redo makes the change again, each showing the stroke it touched.
TEST_P(EditHistoryChangeTest, UndoRestoresAndRedoRepeats)
{
    const std::vector<CStenoStroke> before = m_document.Strokes();
    GetParam().change(*this);
    const std::vector<CStenoStroke> after = m_document.Strokes();
    ASSERT_NE(after, before);
    ASSERT_TRUE(m_document.IsModified());
    m_log.clear();

    m_document.Undo();
    EXPECT_EQ(m_document.Strokes(), before);
    EXPECT_FALSE(m_document.IsModified());
    EXPECT_EQ(m_view.m_nRangeMax, kStrokes);
    ExpectShown(GetParam().nUndoCurrent);

    m_document.Redo();
    EXPECT_EQ(m_document.Strokes(), after);
    EXPECT_TRUE(m_document.IsModified());
    EXPECT_EQ(m_view.m_nRangeMax, static_cast<int>(after.size()));
    ExpectShown(GetParam().nRedoCurrent);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, EditHistoryChangeTest,
    testing::Values(
        ChangeCase{"Delete", [](EditHistoryTest& t) { t.Delete(); }, kStart, kStart - 1},
        ChangeCase{"PasteBeforeTheCurrent",
                   [](EditHistoryTest& t) {
                       CStrokeDocument& document = t.Document();
                       document.SetCurrentStroke(7, false);
                       document.CopyStroke();
                       document.SetCurrentStroke(kStart, false);
                       document.PasteStroke();
                   },
                   kStart, kStart},
        // Taking back a paste at the end leaves no current stroke, as before it.
        ChangeCase{"PasteAtTheEnd",
                   [](EditHistoryTest& t) {
                       CStrokeDocument& document = t.Document();
                       document.CopyStroke();
                       document.SetCurrentStroke(-1, false);
                       document.PasteStroke();
                   },
                   -1, kStrokes},
        ChangeCase{"CommittedEdit",
                   [](EditHistoryTest& t) { t.Document().EndEdit(true, 4242, 0x77); }, kStart,
                   kStart},
        // From the current stroke 50 (keys 3) the next stroke with keys 1 is 51.
        ChangeCase{"SingleReplace", [](EditHistoryTest& t) { t.Replace(1, 0x77, false); },
                   kStart + 1, kStart + 1},
        // Every third stroke from 0 changes and comes back in one step.
        ChangeCase{"ReplaceAll", [](EditHistoryTest& t) { t.Replace(1, 0x77, true); }, 0, 0}),
    [](const testing::TestParamInfo<ChangeCase>& info) { return info.param.strName; });

TEST_F(EditHistoryTest, UndoAndRedoRunOutQuietly)
{
    m_document.Undo();
    m_document.Redo();
    EXPECT_TRUE(m_log.empty());
    EXPECT_EQ(m_document.Strokes(), RepeatingStrokes());
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(EditHistoryTest, StepsAreTakenBackInReverseOrder)
{
    Delete();                             // stroke 50 goes, 49 is current
    m_document.EndEdit(true, 4242, 0x77); // stroke 49 changes
    Replace(0x77, 0x55, false);           // and changes again
    m_document.Undo();
    EXPECT_EQ(m_document.Stroke(49).m_keys, 0x77u);
    m_document.Undo();
    EXPECT_EQ(m_document.Stroke(49), RepeatingStrokes()[49]);
    m_document.Undo();
    EXPECT_EQ(m_document.Strokes(), RepeatingStrokes());
    m_document.Redo();
    m_document.Redo();
    m_document.Redo();
    EXPECT_EQ(m_document.Count(), kStrokes - 1);
    EXPECT_EQ(m_document.Stroke(49).m_keys, 0x55u);
    EXPECT_EQ(m_document.Stroke(49).m_time, 4242);
}

TEST_F(EditHistoryTest, ANewChangeAfterUndoDropsTheRedoSteps)
{
    Delete();
    m_document.Undo();
    m_document.EndEdit(true, 4242, 0x77);
    const std::vector<CStenoStroke> edited = m_document.Strokes();
    m_log.clear();
    m_document.Redo();
    EXPECT_EQ(m_document.Strokes(), edited);
    EXPECT_TRUE(m_log.empty());
}

// A cancelled edit still marks the document modified but changes no stroke:
// there is nothing of it to take back, and an edit to the same time and keys
// neither.
TEST_F(EditHistoryTest, EditsThatChangeNothingAreNoSteps)
{
    Delete();
    m_document.EndEdit(false, 4242, 0x77);
    m_document.EndEdit(true, m_document.Stroke(49).m_time, m_document.Stroke(49).m_keys);
    EXPECT_TRUE(m_document.IsModified());
    m_document.Undo();
    EXPECT_EQ(m_document.Strokes(), RepeatingStrokes());
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(EditHistoryTest, ModifiedFollowsTheLastSavedState)
{
    const std::string strPath = m_folder / "saved.rtf";
    Delete();
    ASSERT_TRUE(m_document.SaveFile(Wide(strPath), m_prompter));
    m_document.Undo();
    EXPECT_TRUE(m_document.IsModified());
    m_document.Redo();
    EXPECT_FALSE(m_document.IsModified());

    // Once the saved state can no longer be reached, every state is modified.
    m_document.Undo();
    m_document.EndEdit(true, 4242, 0x77);
    m_document.Undo();
    EXPECT_TRUE(m_document.IsModified());
    m_document.Redo(); // as many steps as at the save, but not the saved ones
    EXPECT_TRUE(m_document.IsModified());
}

TEST_F(EditHistoryTest, LoadingAFileClearsTheHistory)
{
    const std::string strPath =
        m_folder.Write("load.rtf", StrokeFileText({FileStroke{"KAT", "", "9:0:0:0"}})).string();
    Delete();
    m_document.SetModified(false);
    ASSERT_TRUE(m_document.LoadFile(Wide(strPath), m_prompter));
    const std::vector<CStenoStroke> loaded = m_document.Strokes();
    m_log.clear();
    m_document.Undo();
    EXPECT_EQ(m_document.Strokes(), loaded);
    EXPECT_FALSE(m_document.IsModified());
    EXPECT_TRUE(m_log.empty());
}

} // namespace
} // namespace strokelist::test
