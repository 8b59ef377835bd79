// The stroke editor over the list, driven by real key, mouse and wheel events:
// opening, moving between its fields, commit, cancel and the ways it closes
// without committing.
#include "QuillmarkDlgFixture.h"
#include "StenoViewListFixture.h"

#include "fields/TimeViewCtrl.h"
#include "platform/DialogControls.h"
#include "base/LocalTime.h"
#include "steno/StenoEncoder.h"
#include "fields/StenoStrokeEdit.h"

#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

#include <functional>

using namespace listtest;

namespace {

constexpr int kEdited = 12; // the third visible row
const std::int64_t kNine = base::MakeLocalTime(2024, 3, 5, 9, 15, 0);
const std::int64_t kTen = base::MakeLocalTime(2024, 3, 5, 10, 15, 0);

/// Keys go to the focus, with nothing in between: as typed ahead at full speed.
void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

class StrokeEditTest : public StenoViewListFixture
{
protected:
    StrokeEditTest()
    {
        LoadStrokes();
        FitRows(10);
        ScrollBar().setValue(10);
        m_document.SetCurrentStroke(kEdited, false);
    }

    void LoadStrokes()
    {
        std::vector<CStenoStroke> strokes = GeneratedStrokes(50);
        for (CStenoStroke& stroke : strokes)
            stroke.m_time = kNine;
        strokes[kEdited + 2].m_time = kTen;
        Load(std::move(strokes));
    }

    const CStenoStrokeEdit& Editor() const { return m_pList->StrokeEdit(); }
    QWidget* Field(int nID) const { return platform::FindControl(&Editor(), nID); }
    const CStenoStroke& Edited() const { return m_document.Stroke(kEdited); }

    /// Opens the editor with Enter and types the hour 10 without committing.
    void OpenAndTypeTen()
    {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_1, Qt::Key_0})
            Type(key);
        ASSERT_EQ(static_cast<CTimeViewCtrl*>(Field(CStenoStrokeEdit::kTimeFieldId))->Time(), kTen);
    }

    /// A wheel notch over the focus: Qt passes only the user's own wheel turns
    /// on to the parents.
    static void TurnWheel()
    {
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        QApplication::instance()->notify(QApplication::focusWidget(), &wheel);
    }
};

} // namespace

TEST_F(StrokeEditTest, EnterOpensItOverTheRowInTheTimeFieldAndTabSwitchesFields)
{
    Type(Qt::Key_Return);
    EXPECT_TRUE(Editor().isVisible());
    EXPECT_EQ(Editor().y(), 2 * m_pList->RowHeight());
    constexpr int kTime = CStenoStrokeEdit::kTimeFieldId;
    constexpr int kKeys = CStenoStrokeEdit::kKeysFieldId;
    EXPECT_EQ(QApplication::focusWidget(), Field(kTime));
    for (auto [key, modifiers, nID] : {std::tuple{Qt::Key_Tab, Qt::NoModifier, kKeys},
                                       {Qt::Key_Backtab, Qt::ShiftModifier, kTime}}) {
        Type(key, modifiers);
        EXPECT_EQ(QApplication::focusWidget(), Field(nID));
    }
}

TEST_F(StrokeEditTest, EnterCommitsTimeAndKeys)
{
    OpenAndTypeTen();
    // Page Down passes the time field to the list, which scrolls under the editor.
    const QRect rcDrawn = Editor().geometry();
    Type(Qt::Key_PageDown);
    EXPECT_EQ(m_pList->ScrollPos(), 20);
    EXPECT_EQ(Editor().geometry(), rcDrawn);
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Delete, Qt::Key_K, Qt::Key_A, Qt::Key_Return})
        Type(key);

    EXPECT_FALSE(Editor().isVisible());
    EXPECT_TRUE(m_pList->hasFocus());
    EXPECT_EQ(Edited().m_time, kTen);
    EXPECT_EQ(Edited().m_keys, CStenoEncoder().StenoToKeys(L"KA"));
}

// Only Esc of these ends the edit through the list, which marks the document
// modified; a click or the wheel drops it silently.
TEST_F(StrokeEditTest, EscClickAndWheelCloseItWithoutCommitting)
{
    const std::vector<std::tuple<const char*, std::function<void()>, bool>> closers = {
        {"Esc", [] { Type(Qt::Key_Escape); }, true},
        {"click", [this] { QTest::mouseClick(m_pList, Qt::LeftButton, {}, QPoint(5, 5)); }, false},
        {"wheel", TurnWheel, false},
    };
    for (const auto& [pszName, close, bModified] : closers) {
        SCOPED_TRACE(pszName);
        LoadStrokes();
        m_document.SetCurrentStroke(kEdited, false);
        OpenAndTypeTen();
        close();
        EXPECT_FALSE(Editor().isVisible());
        EXPECT_TRUE(m_pList->hasFocus());
        EXPECT_EQ(Edited().m_time, kNine);
        EXPECT_EQ(m_document.IsModified(), bModified);
    }
}

// Enter commits inside the field's own key handling: a key typed right behind
// it already goes to the list, and the edit stays with the stroke it began on.
TEST_F(StrokeEditTest, KeysTypedBehindEnterActOnTheListAfterTheCommit)
{
    OpenAndTypeTen();
    Type(Qt::Key_Return);
    Type(Qt::Key_Down);
    EXPECT_EQ(Edited().m_time, kTen);
    EXPECT_EQ(m_document.Current(), kEdited + 1);
    EXPECT_EQ(m_document.Stroke(kEdited + 1).m_time, kNine);
}

using StrokeEditInMainWindowTest = mainwindowtest::QuillmarkDlgFixture;

// The main window closes its menus on Esc, but leaves the editor's Esc alone.
TEST_F(StrokeEditInMainWindowTest, EditMenuEntryOpensTheEditorAndEscCancelsIt)
{
    Open(40);
    for (auto [key, modifiers] :
         {std::pair{Qt::Key_E, Qt::AltModifier}, {Qt::Key_E, Qt::NoModifier}})
        Type(key, modifiers);
    ASSERT_TRUE(m_dlg.List()->StrokeEdit().isVisible());
    Type(Qt::Key_Escape);
    EXPECT_FALSE(m_dlg.List()->StrokeEdit().isVisible());
    EXPECT_TRUE(Document().IsModified());
}
