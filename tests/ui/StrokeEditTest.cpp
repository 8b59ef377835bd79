// The stroke editor over the list: opening, moving between its fields, commit,
// cancel and the ways it closes without committing, through real key and mouse
// events.
#include "StenoViewListFixture.h"

#include "monitors/TimeViewCtrl.h"
#include "platform/DialogControls.h"
#include "rtfcre/LocalTime.h"
#include "steno/StenoEdit.h"
#include "steno/StenoEncoder.h"
#include "strokelist/StenoStrokeEdit.h"

#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

#include <functional>

using namespace listtest;

namespace {

constexpr int kEdited = 12;
/// The time of every stroke: 09:15:00 local time; stroke 14 is an hour later.
const std::int64_t kMorning = rtfcre::MakeLocalTime(2024, 3, 5, 9, 15, 0);
const std::int64_t kHourLater = rtfcre::MakeLocalTime(2024, 3, 5, 10, 15, 0);

class StrokeEditTest : public StenoViewListFixture
{
protected:
    StrokeEditTest()
    {
        std::vector<CStenoStroke> strokes = GeneratedStrokes(50);
        for (CStenoStroke& stroke : strokes)
            stroke.m_time = kMorning;
        strokes[14].m_time = kHourLater;
        Load(std::move(strokes));
        FitRows(10);
        m_pList->SetScrollPos(10);
        m_pList->Document().SetCurrentStroke(kEdited, false);
    }

    const CStenoStrokeEdit& Editor() const { return m_pList->StrokeEdit(); }
    QWidget* Field(int nID) const { return platform::FindControl(&Editor(), nID); }
    QWidget* TimeField() const { return Field(CStenoStrokeEdit::kTimeFieldId); }
    QWidget* KeysField() const { return Field(CStenoStrokeEdit::kKeysFieldId); }
    const CStenoStroke& Edited() const { return m_pList->Document().Stroke(kEdited); }

    /// Keys go where the user's keys go: to the widget with the focus.
    static void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        Settle();
    }

    /// The fields' notices, then the editor's, are posted.
    static void Settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    /// Opens the editor and changes the hour to 10 without committing.
    void OpenAndTypeHour()
    {
        Type(Qt::Key_Return);
        ASSERT_TRUE(Editor().isVisible());
        Type(Qt::Key_1);
        Type(Qt::Key_0);
        ASSERT_EQ(static_cast<CTimeViewCtrl*>(TimeField())->Time(), kHourLater);
    }

    /// A wheel notch over the widget as the user turns it: Qt passes only the
    /// user's own (spontaneous) wheel events on to the parents.
    static void WheelOver(QWidget* pTarget)
    {
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        QApplication::instance()->notify(pTarget, &wheel);
    }

    /// The time cell of a row as painted.
    QImage TimeCell(int nRow)
    {
        const int nHeight = m_pList->RowHeight();
        const int nWidth = m_pList->Layout().rcTime.Width();
        return Paint().copy(0, nRow * nHeight, nWidth, nHeight);
    }
};

} // namespace

TEST_F(StrokeEditTest, EnterOpensTheEditorOverTheCurrentRowWithTheFocusInTheTimeField)
{
    Type(Qt::Key_Return);
    ASSERT_TRUE(Editor().isVisible());
    // The current stroke is the third visible row: two rows below the top.
    const strokelist::ListLayout& layout = m_pList->Layout();
    const int nRow = layout.RowHeight();
    EXPECT_EQ(Editor().geometry(), QRect(0, 2 * nRow, layout.rcStroke.right, nRow));
    EXPECT_EQ(QApplication::focusWidget(), TimeField());
    EXPECT_EQ(TimeField()->pos(), QPoint(1, 1));
    EXPECT_EQ(KeysField()->geometry(),
              QRect(layout.rcStroke.left + 1, 1, layout.rcStroke.Width(), nRow));

    for (QWidget* pExpected : {KeysField(), TimeField()}) {
        Type(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), pExpected);
    }
    Type(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), KeysField());
}

TEST_F(StrokeEditTest, EnterCommitsTimeAndKeysAndTheRowShowsTheNewTime)
{
    const CStenoStroke before = Edited();
    // Stroke 14 already shows the new time; both rows are painted alike once
    // neither is current.
    const int nEditedRow = kEdited - 10;
    const int nTwinRow = nEditedRow + 2;
    ASSERT_NE(TimeCell(nEditedRow), TimeCell(nTwinRow));

    OpenAndTypeHour();
    Type(Qt::Key_Tab);
    Type(Qt::Key_Delete);
    Type(Qt::Key_K);
    Type(Qt::Key_A);
    Type(Qt::Key_Return);

    EXPECT_FALSE(Editor().isVisible());
    EXPECT_TRUE(m_pList->hasFocus());
    EXPECT_EQ(Edited().m_time, kHourLater);
    EXPECT_EQ(Edited().m_keys, CStenoEncoder().StenoToKeys(L"KA"));
    EXPECT_EQ(Edited().m_rawKeys, before.m_rawKeys);
    EXPECT_TRUE(m_pList->Document().IsModified());
    m_pList->Document().SetCurrentStroke(-1, false);
    EXPECT_EQ(TimeCell(nEditedRow), TimeCell(nTwinRow));
}

TEST_F(StrokeEditTest, EscLeavesTheStrokeButMarksTheDocumentModified)
{
    OpenAndTypeHour();
    Type(Qt::Key_Escape);
    EXPECT_FALSE(Editor().isVisible());
    EXPECT_TRUE(m_pList->hasFocus());
    EXPECT_EQ(Edited().m_time, kMorning);
    EXPECT_TRUE(m_pList->Document().IsModified());
}

TEST_F(StrokeEditTest, ClickOnAnotherRowOrTheWheelDropsTheEdit)
{
    const std::vector<std::pair<const char*, std::function<void()>>> closers = {
        {"click", [this] { QTest::mouseClick(m_pList, Qt::LeftButton, {}, QPoint(5, 5)); }},
        {"wheel", [this] { WheelOver(TimeField()); }},
    };
    for (const auto& [pszName, close] : closers) {
        SCOPED_TRACE(pszName);
        m_pList->Document().SetCurrentStroke(kEdited, false);
        OpenAndTypeHour();
        close();
        Settle();
        EXPECT_FALSE(Editor().isVisible());
        EXPECT_TRUE(m_pList->hasFocus());
        EXPECT_EQ(Edited().m_time, kMorning);
        EXPECT_FALSE(m_pList->Document().IsModified());
    }
}

// Keys the time field lets pass are the list's: Page Down scrolls under the
// open editor, which stays where it was drawn and still commits.
TEST_F(StrokeEditTest, PageDownScrollsUnderTheOpenEditor)
{
    OpenAndTypeHour();
    const QRect rcDrawn = Editor().geometry();
    Type(Qt::Key_PageDown);
    EXPECT_EQ(m_pList->ScrollPos(), 20);
    Paint();
    EXPECT_TRUE(Editor().isVisible());
    EXPECT_EQ(Editor().geometry(), rcDrawn);
    Type(Qt::Key_Return);
    EXPECT_EQ(Edited().m_time, kHourLater);
}
