// The stroke list's input: keys, clicks, the wheel and the scroll bar, driven
// through real Qt events against a document of 100 strokes in 10 whole rows.
// The arithmetic behind each move is the core's (ListScrolling, BringIntoView);
// here each door is walked through once.
#include "StenoViewListFixture.h"

#include <QLineEdit>
#include <QShortcut>
#include <QWheelEvent>

using namespace listtest;

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
        m_document.SetCurrentStroke(nCurrent, false);
        ScrollBar().setValue(nPos);
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

} // namespace

TEST_F(StenoViewListTest, EachMovingKeyReachesItsMove)
{
    struct Case
    {
        Qt::Key key;
        int nStartPos, nStartCurrent, nPos, nCurrent;
    };
    // The limit is 91; stroke 50 made current is centred 5 rows down.
    const Case cases[] = {
        {Qt::Key_End, 0, 3, 91, 3},
        {Qt::Key_PageUp, 40, 3, 30, 3},
        {Qt::Key_Up, 0, 51, 45, 50},
    };
    for (const Case& c : cases) {
        Start(c.nStartPos, c.nStartCurrent);
        Key(c.key);
        EXPECT_EQ(m_pList->ScrollPos(), c.nPos) << c.key;
        EXPECT_EQ(Current(), c.nCurrent) << c.key;
    }
}

TEST_F(StenoViewListTest, ClickMakesTheRowCurrentOrBelowTheLastClearsIt)
{
    Start(20, -1);
    QTest::mouseClick(m_pList, Qt::LeftButton, {}, QPoint(700, RowY(3)));
    EXPECT_EQ(Current(), 23);
    EXPECT_EQ(m_pList->ScrollPos(), 20);

    Start(91, 95);
    QTest::mouseClick(m_pList, Qt::LeftButton, {}, QPoint(10, RowY(9))); // row 9 is empty
    EXPECT_EQ(Current(), -1);
    EXPECT_EQ(m_pList->ScrollPos(), 91);
    EXPECT_EQ(m_window.m_notices, (std::vector<std::pair<int, int>>{{-1, 100}}));
}

TEST_F(StenoViewListTest, WheelOverTheListOrItsScrollBarMovesByTheSystemLines)
{
    m_pList->SetWheelLinesSource([] { return std::optional(7); });
    Start(10, 4);
    Wheel(m_pList, -120);
    EXPECT_EQ(m_pList->ScrollPos(), 17);
    Wheel(&ScrollBar(), -120);
    EXPECT_EQ(m_pList->ScrollPos(), 24);
    EXPECT_EQ(Current(), 4);
}

TEST_F(StenoViewListTest, ScrollBarSpansToTheLimitAndMovesTheViewOnly)
{
    EXPECT_EQ(ScrollBar().maximum(), 91);
    EXPECT_EQ(ScrollBar().pageStep(), 10);
    Start(91, 4);
    ScrollBar().triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(m_pList->ScrollPos(), 90);
    EXPECT_EQ(Current(), 4);
}

TEST_F(StenoViewListTest, KeysStayInTheListExceptWithAlt)
{
    auto* pOther = new QLineEdit(&m_window);
    pOther->move(0, 500);
    pOther->show();
    m_pList->setFocus();
    int nCtrlO = 0;
    int nAltE = 0;
    QShortcut ctrlO(QKeySequence(Qt::CTRL | Qt::Key_O), &m_window, [&nCtrlO] { ++nCtrlO; });
    QShortcut altE(QKeySequence(Qt::ALT | Qt::Key_E), &m_window, [&nAltE] { ++nAltE; });
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Tab, Qt::Key_Escape})
        Key(key);
    Key(Qt::Key_O, Qt::ControlModifier);
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(m_window.m_keys.empty());
    EXPECT_TRUE(m_pList->hasFocus()); // Tab did not move the focus
    EXPECT_EQ(nCtrlO, 0);

    Key(Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(nAltE, 1);
}

TEST_F(StenoViewListTest, CopyAndPasteInsertACopyAndExtendTheScrollRange)
{
    Start(91, 99);
    Key(Qt::Key_C, Qt::ControlModifier);
    Start(91, 2);
    Key(Qt::Key_Insert, Qt::ShiftModifier);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Count(), 102);
    EXPECT_EQ(m_document.Stroke(2).m_time, 1700000099);
    Key(Qt::Key_End);
    EXPECT_EQ(m_pList->ScrollPos(), 93); // 102 strokes in 10 rows, without a resize
    EXPECT_EQ(ScrollBar().maximum(), 93);
}

// Stroke 15 made current is centred: the view starts at 10, row 1 is stroke 11.
TEST_F(StenoViewListTest, ShiftMovesAndShiftClickGrowTheSelectionAPlainMoveDropsIt)
{
    Start(0, 3);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(m_document.Selection(), (doc::StrokeRange{3, 5}));
    Key(Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(Current(), 15);
    QTest::mouseClick(m_pList, Qt::LeftButton, Qt::ShiftModifier, QPoint(700, RowY(1)));
    EXPECT_EQ(m_document.Selection(), (doc::StrokeRange{3, 11}));
    Key(Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(m_document.Selection(), (doc::StrokeRange{3, 99}));
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(m_document.Selection(), (doc::StrokeRange{0, 99}));
    Key(Qt::Key_Up);
    EXPECT_TRUE(m_document.Selection().IsEmpty());
    EXPECT_EQ(Current(), 98);
}
