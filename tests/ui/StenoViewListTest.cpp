// The stroke list's input: keys, clicks, the wheel and the scroll bar, driven
// through real Qt events against a document of 100 strokes in 10 whole rows.
#include "StenoViewListFixture.h"

#include "rtfcre/LocalTime.h"

#include <QLineEdit>
#include <QShortcut>
#include <QWheelEvent>

using namespace listtest;
using platform::Answer;

namespace {

class StenoViewListTest : public StenoViewListFixture
{
protected:
    StenoViewListTest()
    {
        Load(GeneratedStrokes(100));
        FitRows(10);
    }

    void Start(int nPos, int nCurrent)
    {
        m_pList->Document().SetCurrentStroke(nCurrent, false);
        m_pList->SetScrollPos(nPos);
        ASSERT_EQ(m_pList->ScrollPos(), nPos);
        m_window.m_notices.clear();
    }

    int RowY(int nRow) const { return nRow * m_pList->RowHeight() + 1; }

    void Wheel(QWidget* pTarget, int nDelta)
    {
        QWheelEvent event(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, nDelta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(pTarget, &event);
    }
};

struct ListKeyCase
{
    const char* pszName;
    Qt::Key key;
    int nStartPos;
    int nStartCurrent;
    int nPos;
    int nCurrent;
};

void PrintTo(const ListKeyCase& keyCase, std::ostream* pOut)
{
    *pOut << keyCase.pszName;
}

class StenoViewListKeyTest : public StenoViewListTest,
                             public testing::WithParamInterface<ListKeyCase>
{
};

} // namespace

TEST_P(StenoViewListKeyTest, KeyMovesViewAndCurrentStroke)
{
    const ListKeyCase& keyCase = GetParam();
    Start(keyCase.nStartPos, keyCase.nStartCurrent);
    Key(keyCase.key);
    EXPECT_EQ(m_pList->ScrollPos(), keyCase.nPos);
    EXPECT_EQ(Current(), keyCase.nCurrent);
}

// 100 strokes, 10 whole rows: the scroll limit is 91, so the last stroke stands
// in the ninth row. Stroke 50 made current is centred 5 rows down.
INSTANTIATE_TEST_SUITE_P(
    KeyTable, StenoViewListKeyTest,
    testing::Values(ListKeyCase{"EndScrollsToTheLimit", Qt::Key_End, 0, 3, 91, 3},
                    ListKeyCase{"HomeScrollsToTheTop", Qt::Key_Home, 50, 3, 0, 3},
                    ListKeyCase{"PageDownStopsAtTheLimit", Qt::Key_PageDown, 85, 3, 91, 3},
                    ListKeyCase{"PageDownMovesAPage", Qt::Key_PageDown, 40, 3, 50, 3},
                    ListKeyCase{"PageDownAtTheLimitStays", Qt::Key_PageDown, 91, 3, 91, 3},
                    ListKeyCase{"PageUpStopsAtTheTop", Qt::Key_PageUp, 4, 3, 0, 3},
                    ListKeyCase{"PageUpAtTheTopStays", Qt::Key_PageUp, 0, 3, 0, 3},
                    ListKeyCase{"DownToTheLastScrollsToTheLimit", Qt::Key_Down, 0, 98, 91, 99},
                    ListKeyCase{"DownAtTheLastStays", Qt::Key_Down, 91, 99, 91, 99},
                    ListKeyCase{"DownWithoutCurrentTakesTheFirst", Qt::Key_Down, 30, -1, 0, 0},
                    ListKeyCase{"UpCentresTheStroke", Qt::Key_Up, 0, 51, 45, 50},
                    ListKeyCase{"UpWithoutCurrentTakesTheFirst", Qt::Key_Up, 40, -1, 0, 0},
                    ListKeyCase{"UpAtTheFirstStays", Qt::Key_Up, 7, 0, 7, 0}),
    [](const testing::TestParamInfo<ListKeyCase>& info) { return info.param.pszName; });

TEST_F(StenoViewListTest, ClickMakesTheRowCurrentWithoutScrolling)
{
    Start(20, -1);
    QTest::mouseClick(m_pList, Qt::LeftButton, {}, QPoint(700, RowY(3)));
    EXPECT_EQ(Current(), 23);
    EXPECT_EQ(m_pList->ScrollPos(), 20);
    EXPECT_TRUE(m_pList->hasFocus());
}

TEST_F(StenoViewListTest, ClickBelowTheLastRowClearsTheCurrentStroke)
{
    Start(91, 95);
    // Stroke 99 is in row 8; row 9 is empty.
    QTest::mouseClick(m_pList, Qt::LeftButton, {}, QPoint(10, RowY(9)));
    EXPECT_EQ(Current(), -1);
    EXPECT_EQ(m_pList->ScrollPos(), 91);
    const std::vector<std::pair<int, int>> expected{{-1, 100}};
    EXPECT_EQ(m_window.m_notices, expected);
}

TEST_F(StenoViewListTest, DoubleClickMakesTheRowCurrent)
{
    Start(10, -1);
    QTest::mouseDClick(m_pList, Qt::LeftButton, {}, QPoint(10, RowY(1)));
    EXPECT_EQ(Current(), 11);
}

TEST_F(StenoViewListTest, WheelWithZeroLinesDoesNothing)
{
    m_pList->SetWheelLinesSource([] { return std::optional(0); });
    Start(10, 4);
    Wheel(m_pList, -120);
    Wheel(m_pList, 120);
    EXPECT_EQ(m_pList->ScrollPos(), 10);
}

TEST_F(StenoViewListTest, WheelWithUnknownLinesScrollsThreeRowsPerMessage)
{
    m_pList->SetWheelLinesSource([] { return std::optional<int>(); });
    Start(10, 4);
    Wheel(m_pList, -120);
    EXPECT_EQ(m_pList->ScrollPos(), 13);
    // A small delta still moves three rows.
    Wheel(m_pList, 15);
    EXPECT_EQ(m_pList->ScrollPos(), 10);
    EXPECT_EQ(Current(), 4);
}

TEST_F(StenoViewListTest, WheelStopsAtTheScrollLimit)
{
    m_pList->SetWheelLinesSource([] { return std::optional(5); });
    Start(89, 4);
    Wheel(m_pList, -120);
    EXPECT_EQ(m_pList->ScrollPos(), 91);
}

TEST_F(StenoViewListTest, WheelOverTheScrollBarFollowsTheListsRule)
{
    m_pList->SetWheelLinesSource([] { return std::optional(7); });
    Start(10, 4);
    Wheel(&ScrollBar(), -120);
    EXPECT_EQ(m_pList->ScrollPos(), 17);
}

TEST_F(StenoViewListTest, ScrollBarActionsMoveTheViewOnly)
{
    Start(85, 4);
    ScrollBar().triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(m_pList->ScrollPos(), 91);
    ScrollBar().triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(m_pList->ScrollPos(), 91);
    ScrollBar().triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(m_pList->ScrollPos(), 81);
    ScrollBar().triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(m_pList->ScrollPos(), 80);
    // Top and bottom requests leave the view where it is.
    ScrollBar().triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(m_pList->ScrollPos(), 80);
    EXPECT_EQ(Current(), 4);
}

TEST_F(StenoViewListTest, ScrollBarRangeEndsAtTheLimitWithAPageOfRows)
{
    EXPECT_EQ(ScrollBar().minimum(), 0);
    EXPECT_EQ(ScrollBar().maximum(), 91);
    EXPECT_EQ(ScrollBar().pageStep(), 10);
    EXPECT_EQ(ScrollBar().geometry(), QRect(kListWidth - 20, 0, 20, m_pList->height()));
}

TEST_F(StenoViewListTest, EveryKeyDownIsSwallowed)
{
    auto* pOther = new QLineEdit(&m_window);
    pOther->move(0, 500);
    pOther->show();
    m_pList->setFocus();
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Tab, Qt::Key_Escape, Qt::Key_F1, Qt::Key_Space,
                        Qt::Key_Left, Qt::Key_Backspace, Qt::Key_Control})
        Key(key);
    Key(Qt::Key_F, Qt::ControlModifier);
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(m_window.m_keys.empty());
    // Tab did not move the focus on either.
    EXPECT_TRUE(m_pList->hasFocus());
}

TEST_F(StenoViewListTest, AltKeysReachTheMainWindow)
{
    Key(Qt::Key_F, Qt::AltModifier);
    // The Alt key itself goes on too, as a system key.
    ASSERT_FALSE(m_window.m_keys.empty());
    EXPECT_EQ(m_window.m_keys.back().first, Qt::Key_F);
    EXPECT_EQ(m_window.m_keys.back().second, Qt::AltModifier);
}

TEST_F(StenoViewListTest, ShortcutsFireOnlyWithAlt)
{
    int nCtrlO = 0;
    int nAltE = 0;
    QShortcut ctrlO(QKeySequence(Qt::CTRL | Qt::Key_O), &m_window, [&nCtrlO] { ++nCtrlO; });
    QShortcut altE(QKeySequence(Qt::ALT | Qt::Key_E), &m_window, [&nAltE] { ++nAltE; });
    Key(Qt::Key_O, Qt::ControlModifier);
    Key(Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(nCtrlO, 0);
    EXPECT_EQ(nAltE, 1);
}

TEST_F(StenoViewListTest, CtrlCAndCtrlVInsertACopyAtTheCurrentStroke)
{
    Start(0, 5);
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(m_pList->Document().IsModified());
    Start(0, 2);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Count(), 101);
    EXPECT_EQ(Current(), 2);
    EXPECT_EQ(m_pList->Document().Stroke(2).m_time, 1700000005);
    EXPECT_EQ(m_pList->Document().Stroke(3).m_time, 1700000002);
    EXPECT_TRUE(m_pList->Document().IsModified());
}

TEST_F(StenoViewListTest, CtrlInsertAndShiftInsertCopyAndPaste)
{
    Start(0, 7);
    Key(Qt::Key_Insert, Qt::ControlModifier);
    Start(0, -1);
    Key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Count(), 101);
    EXPECT_EQ(Current(), 100);
    EXPECT_EQ(m_pList->Document().Stroke(100).m_time, 1700000007);
}

TEST_F(StenoViewListTest, PasteExtendsTheScrollRangeWithoutAResize)
{
    Start(91, 99);
    Key(Qt::Key_C, Qt::ControlModifier);
    Key(Qt::Key_V, Qt::ControlModifier);
    Key(Qt::Key_V, Qt::ControlModifier);
    Key(Qt::Key_End);
    // 102 strokes in 10 rows: the limit moved from 91 to 93.
    EXPECT_EQ(m_pList->ScrollPos(), 93);
    EXPECT_EQ(ScrollBar().maximum(), 93);
}

TEST_F(StenoViewListTest, DeleteAsksWithTheStrokesTimeAndKeys)
{
    CStenoStroke stroke;
    stroke.m_time = rtfcre::MakeLocalTime(2024, 3, 5, 14, 5, 9);
    stroke.m_keys = steno::KeyBit(steno::kKeyLeftS) | steno::KeyBit(steno::kKeyLeftT) |
                    steno::KeyBit(steno::kKeyK) | steno::KeyBit(steno::kKeyLeftP) |
                    steno::KeyBit(steno::kKeyW);
    Load({stroke});
    m_pList->Document().SetCurrentStroke(0, true);
    m_prompter.Script(Answer::No);
    Key(Qt::Key_Delete);
    ASSERT_EQ(m_prompter.Asked().size(), 1U);
    EXPECT_EQ(m_prompter.Asked()[0].kind, platform::PromptKind::YesNo);
    EXPECT_EQ(m_prompter.Asked()[0].strText,
              L"Do you want to remove stroke '02:05:09 PM:  STKPW'?");
    EXPECT_EQ(Count(), 1);
    EXPECT_FALSE(m_pList->Document().IsModified());
}

TEST_F(StenoViewListTest, DeleteOnYesShrinksTheScrollRange)
{
    Start(91, 99);
    m_prompter.Script(Answer::Yes);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Count(), 99);
    EXPECT_EQ(Current(), 98);
    // The new last stroke brought into view, limited to the new end.
    EXPECT_EQ(m_pList->ScrollPos(), 90);
    EXPECT_EQ(ScrollBar().maximum(), 90);
}

TEST_F(StenoViewListTest, ResizeLaysOutAgain)
{
    const int nRowHeight = m_pList->RowHeight();
    m_pList->resize(kListWidth, 20 * nRowHeight + nRowHeight / 2);
    EXPECT_EQ(m_pList->Layout().nPageRows, 20);
    EXPECT_EQ(ScrollBar().maximum(), 81);
    // A narrow list takes a smaller font.
    m_pList->resize(300, 200);
    EXPECT_LT(m_pList->Layout().nFont, 19);
    EXPECT_LE(m_pList->Layout().rcRaw.right, 280);
}
