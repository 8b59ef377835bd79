// Undo and redo from the stroke list's keys, on a document of 100 strokes in 10 rows.
#include "StenoViewListFixture.h"

using namespace listtest;
using platform::Answer;

namespace {

struct RedoKey
{
    const char* strName;
    Qt::KeyboardModifiers modifiers;
    Qt::Key key;
};

class UndoTest : public StenoViewListFixture, public testing::WithParamInterface<RedoKey>
{
protected:
    UndoTest()
    {
        Load(GeneratedStrokes(100));
        FitRows(10);
    }
};

TEST_P(UndoTest, CtrlZBringsADeletedStrokeBackAndRedoRemovesItAgain)
{
    const std::vector<CStenoStroke> original = m_pList->Document().Strokes();
    m_pList->Document().SetCurrentStroke(50, false);
    m_pList->SetScrollPos(0);
    m_prompter.Script(Answer::Yes);
    Key(Qt::Key_Delete);
    ASSERT_EQ(Count(), 99);

    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_pList->Document().Strokes(), original);
    EXPECT_EQ(Current(), 50);
    EXPECT_EQ(m_pList->ScrollPos(), 45); // centred in the ten rows
    EXPECT_EQ(ScrollBar().maximum(), 91);
    EXPECT_FALSE(m_pList->Document().IsModified());

    Key(GetParam().key, GetParam().modifiers);
    EXPECT_EQ(Count(), 99);
    EXPECT_EQ(m_pList->Document().Stroke(50), original[51]);
    EXPECT_EQ(Current(), 49);
    EXPECT_TRUE(m_pList->Document().IsModified());
    EXPECT_TRUE(m_window.m_keys.empty());
}

INSTANTIATE_TEST_SUITE_P(
    RedoKeys, UndoTest,
    testing::Values(RedoKey{"CtrlY", Qt::ControlModifier, Qt::Key_Y},
                    RedoKey{"CtrlShiftZ", Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z}),
    [](const testing::TestParamInfo<RedoKey>& info) { return info.param.strName; });

} // namespace
