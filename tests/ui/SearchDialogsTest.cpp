// The find, replace and go-to-time dialogs over the main window, driven by the
// user's keys and clicks. What each search finds is the flows' test, Replace
// All through the dialog the end-to-end run's; here the dialogs' wiring.

#include "QuillmarkDlgFixture.h"

#include "framework/CommandIds.h"
#include "search/FindStrokeDlg.h"
#include "search/GotoTimeDlg.h"
#include "search/ReplaceStrokeDlg.h"
#include "fields/StenoEdit.h"
#include "steno/StenoEncoder.h"

#include "platform/QtPrompter.h"

#include <QDateTimeEdit>
#include <QTimer>

using namespace framework;
using namespace mainwindowtest;
using steno::KeyBit;
using steno::KeyBits;

namespace {

constexpr KeyBits kA = KeyBit(steno::kKeyA);
constexpr KeyBits kS = KeyBit(steno::kKeyLeftS);
constexpr std::int64_t kFirstTime = 1714723200;

// Twelve strokes with the keys A where asked and S- elsewhere, stroke i
// written 2 × i seconds after the first.
class SearchDialogsTest : public QuillmarkDlgFixture
{
protected:
    void Load(std::initializer_list<int> matches, int nCurrent = 0)
    {
        std::vector<CStenoStroke> strokes(12);
        for (int i = 0; i < 12; ++i) {
            strokes[static_cast<std::size_t>(i)].m_keys = kS;
            strokes[static_cast<std::size_t>(i)].m_time = kFirstTime + 2 * i;
        }
        for (int i : matches)
            strokes[static_cast<std::size_t>(i)].m_keys = kA;
        Document().AssignStrokes(std::move(strokes));
        Document().SetCurrentStroke(nCurrent, true);
    }

    /// Opens a dialog from the Edit menu by its letter, as the user does; a
    /// dialog keeps its own keys, so the main window is brought back first.
    void OpenFromMenu(Qt::Key letter)
    {
        QApplication::setActiveWindow(&m_dlg);
        m_dlg.List()->setFocus();
        Key(Qt::Key_E, Qt::AltModifier);
        Key(letter);
        QCoreApplication::processEvents(); // lets the menu command arrive
    }

    /// Clicks a dialog button: the search runs before the click returns.
    int Click(CSearchDlg& dlg, int nID)
    {
        QTest::mouseClick(dlg.Control(nID), Qt::LeftButton);
        return Document().Current();
    }

    CFindStrokeDlg& FindDlg() { return *m_dlg.SearchDialogs().FindDlg(); }
    CReplaceStrokeDlg& ReplaceDlg() { return *m_dlg.SearchDialogs().ReplaceDlg(); }
    CGotoTimeDlg& GotoDlg() { return *m_dlg.SearchDialogs().GotoDlg(); }
};

} // namespace

// Enter in a keys field runs nothing and Esc keeps what was typed for no one:
// the next opening takes the current stroke's keys again.
TEST_F(SearchDialogsTest, TheDialogsOpenCentredWithTheCurrentKeysAndTheButtonSearches)
{
    Load({2, 9}, 2);
    OpenFromMenu(Qt::Key_F);
    EXPECT_EQ(FindDlg().geometry().center().x(), m_dlg.geometry().center().x());
    Key(Qt::Key_Return);
    EXPECT_EQ(m_dlg.Flows().Starts().nFind, -1) << "no Find ran";
    Key(Qt::Key_G);
    EXPECT_EQ(CStenoEncoder().KeysToSteno(FindDlg().StenoEdit()->Keys()), L"TKPWA");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(FindDlg().isVisible());
    OpenFromMenu(Qt::Key_F);
    EXPECT_EQ(FindDlg().StenoEdit()->Keys(), kA);
    EXPECT_EQ(Click(FindDlg(), kIdOk), 2);
    EXPECT_EQ(Click(FindDlg(), kIdOk), 9);
    OpenFromMenu(Qt::Key_R);
    EXPECT_EQ(ReplaceDlg().ReplaceEdit()->Keys(), kA);
}

TEST_F(SearchDialogsTest, GotoTimeMatchesTheSecondOnTheDateOfTheStrokeItOpenedWith)
{
    // Stroke 5 is written a day after stroke 7, at the same time of day.
    Load({}, 3);
    std::vector<CStenoStroke> strokes = Document().Strokes();
    strokes[5].m_time = strokes[7].m_time + 24 * 60 * 60;
    Document().AssignStrokes(std::move(strokes));
    Document().SetCurrentStroke(3, true);
    OpenFromMenu(Qt::Key_G);

    QDateTimeEdit& picker = *GotoDlg().Picker();
    picker.setTime(QDateTime::fromSecsSinceEpoch(kFirstTime + 14).time().addMSecs(500));
    Key(Qt::Key_Return); // Enter in the picker runs Goto Time
    EXPECT_EQ(Document().Current(), 7);
    EXPECT_TRUE(m_prompter.Asked().empty());

    picker.setTime(picker.time().addSecs(-1)); // stroke 7 comes a second later
    EXPECT_EQ(Click(GotoDlg(), kIdOk), 0);
}

// A box a dialog's search shows belongs to that dialog, so Enter on it and the
// keys after it stay with the dialog, not the list behind it.
TEST(SearchDialogMessageTest, TheBoxBelongsToTheDialogThatAsked)
{
    QtPrompter prompter;
    platform::ScriptedFileDialogs fileDialogs;
    CQuillmarkDlg dlg(prompter, fileDialogs);
    prompter.SetOwner(&dlg);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    QTest::qWait(100); // the stroke monitor comes up after the window
    dlg.Document().AssignStrokes(std::vector<CStenoStroke>(3));
    dlg.SearchDialogs().OpenFind(platform::FromQRect(dlg.geometry()));
    CFindStrokeDlg& find = *dlg.SearchDialogs().FindDlg();
    QApplication::setActiveWindow(&find);
    ASSERT_EQ(QApplication::activeWindow(), &find);
    find.StenoEdit()->SetKeys(kA);
    QWidget* pBoxOwner = nullptr;
    QTimer::singleShot(0, [&pBoxOwner] {
        QWidget* pBox = QApplication::activeModalWidget();
        pBoxOwner = pBox->parentWidget();
        pBox->close();
    });
    QTest::mouseClick(find.Control(kIdOk), Qt::LeftButton);
    EXPECT_EQ(pBoxOwner, &find);
}
