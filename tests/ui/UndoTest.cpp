// Undo and redo from the stroke list's keys, on 100 strokes in 10 rows.
#include "StenoViewListFixture.h"

using namespace listtest;

namespace {

class UndoTest : public StenoViewListFixture,
                 public testing::WithParamInterface<Qt::KeyboardModifiers>
{
};

// Ctrl+Y and Ctrl+Shift+Z both redo.
TEST_P(UndoTest, CtrlZBringsADeletedStrokeBackAndRedoRemovesItAgain)
{
    Load(GeneratedStrokes(100));
    FitRows(10);
    const std::vector<CStenoStroke> original = m_pList->Document().Strokes();
    m_pList->Document().SetCurrentStroke(50, false);
    m_prompter.Script(platform::Answer::Yes);
    Key(Qt::Key_Delete);
    m_pList->SetScrollPos(0);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_pList->Document().Strokes(), original);
    EXPECT_EQ(Current(), 50);
    EXPECT_EQ(m_pList->ScrollPos(), 45); // centred in the ten rows
    Key(GetParam() & Qt::ShiftModifier ? Qt::Key_Z : Qt::Key_Y, GetParam());
    EXPECT_EQ(Count(), 99);
    EXPECT_EQ(m_pList->Document().Stroke(50), original[51]);
    EXPECT_EQ(Current(), 49);
}

INSTANTIATE_TEST_SUITE_P(RedoKeys, UndoTest,
                         testing::Values(Qt::ControlModifier,
                                         Qt::ControlModifier | Qt::ShiftModifier));

} // namespace
