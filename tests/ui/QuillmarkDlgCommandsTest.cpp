// The main window's key filter, its file and edit commands and its close question.

#include "QuillmarkDlgFixture.h"

#include "framework/CommandIds.h"
#include "mainwindow/FileRequests.h"
#include "platform/DialogControls.h"

using namespace framework;
using namespace mainwindowtest;
using platform::Answer;
using platform::Prompt;
using platform::PromptKind;

namespace {

class QuillmarkDlgCommandsTest : public QuillmarkDlgFixture
{
protected:
    platform::FileRequest LastRequest() const
    {
        return m_fileDialogs.Calls().empty() ? platform::FileRequest{}
                                             : m_fileDialogs.Calls().back().request;
    }

    std::wstring CloseText(const std::string& strPath) const
    {
        return L"Do you want to save file '" + Wide(strPath) + L"' before close?";
    }
};

} // namespace

TEST_F(QuillmarkDlgCommandsTest, AltFOpensTheFileMenuAndOStartsOpenInTheDefaultFolder)
{
    Key(Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(m_dlg.FileMenu().isVisible());
    EXPECT_TRUE(m_dlg.FileMenu().hasFocus());
    ASSERT_GE(m_dlg.FileMenu().Hover(), 0);
    EXPECT_EQ(m_dlg.FileMenu().Items()[m_dlg.FileMenu().Hover()].strText, L"Open");

    m_fileDialogs.Script(L""); // the user cancels
    Key(Qt::Key_O);
    EXPECT_FALSE(m_dlg.FileMenu().isVisible());
    ASSERT_EQ(m_fileDialogs.Calls().size(), 1u);
    EXPECT_FALSE(m_fileDialogs.Calls()[0].bSave);
    EXPECT_EQ(LastRequest(), mainwindow::OpenRequest(platform::DocumentsFolder()));
    EXPECT_EQ(LastRequest().strFolder, platform::DocumentsFolder() + L"/Corvane/backup/RTFCRE");
    EXPECT_EQ(m_dlg.windowTitle(), QStringLiteral("Quillmark - No document"));
}

TEST_F(QuillmarkDlgCommandsTest, OpeningShowsTheFirstStrokeAndTheTitle)
{
    const std::string strPath = Open(40);
    EXPECT_EQ(Document().Count(), 40);
    EXPECT_EQ(Document().Current(), 0);
    EXPECT_EQ(m_dlg.windowTitle(), QString::fromStdString("Quillmark - " + strPath));
    EXPECT_TRUE(m_prompter.Asked().empty());
}

TEST_F(QuillmarkDlgCommandsTest, GAndShiftGInTheEditMenuBothReachGotoTime)
{
    for (const Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
        m_dlg.m_commands.clear();
        Key(Qt::Key_E, Qt::AltModifier);
        ASSERT_TRUE(m_dlg.EditMenu().isVisible());
        Key(Qt::Key_G, modifiers);
        EXPECT_EQ(m_dlg.m_commands, (std::vector<int>{IDC_BTN_EDIT, ID_EDIT_GOTO_TIME}));
        EXPECT_FALSE(m_dlg.EditMenu().isVisible());
    }
}

TEST_F(QuillmarkDlgCommandsTest, LettersActOnlyInTheMenuThatIsOpen)
{
    // Without a menu the letters are the list's; with the File menu R is used up.
    Key(Qt::Key_G);
    Key(Qt::Key_O);
    EXPECT_TRUE(m_dlg.m_commands.empty());
    Key(Qt::Key_F, Qt::AltModifier);
    Key(Qt::Key_R);
    EXPECT_TRUE(m_dlg.FileMenu().isVisible());
    EXPECT_EQ(m_dlg.m_commands, (std::vector<int>{IDC_BTN_FILE}));
    Key(Qt::Key_G); // not a File letter: the menu ignores it
    EXPECT_TRUE(m_dlg.FileMenu().isVisible());
    EXPECT_EQ(m_dlg.m_commands, (std::vector<int>{IDC_BTN_FILE}));

    Key(Qt::Key_Escape);
    Key(Qt::Key_O, Qt::AltModifier);
    Key(Qt::Key_T);
    EXPECT_EQ(m_dlg.m_commands,
              (std::vector<int>{IDC_BTN_FILE, IDC_BTN_OPTIONS, ID_OPTIONS_STROKE_TIMES}));
    EXPECT_FALSE(m_dlg.OptionsMenu().isVisible());
}

TEST_F(QuillmarkDlgCommandsTest, EscHidesTheMenusAndNeverClosesTheWindow)
{
    Open(5);
    const QRect rcBefore = m_dlg.geometry();
    Key(Qt::Key_Escape);
    EXPECT_TRUE(m_dlg.isVisible());
    EXPECT_EQ(m_dlg.geometry(), rcBefore);
    EXPECT_EQ(Document().Current(), 0);
    EXPECT_TRUE(m_prompter.Asked().empty());
    EXPECT_TRUE(m_dlg.m_commands.size() == 1u); // the Open above

    Key(Qt::Key_E, Qt::AltModifier);
    ASSERT_TRUE(m_dlg.EditMenu().isVisible());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(m_dlg.EditMenu().isVisible());
    EXPECT_TRUE(m_dlg.isVisible());
    // The keyboard goes back to the list.
    EXPECT_TRUE(m_dlg.List()->hasFocus());
}

TEST_F(QuillmarkDlgCommandsTest, DeleteFromTheEditMenuAsksAndRemovesTheCurrentStroke)
{
    Open(5);
    Document().SetCurrentStroke(2, false);
    const std::int64_t removedTime = Document().Stroke(2).m_time;
    m_prompter.Script(Answer::Yes);
    Key(Qt::Key_E, Qt::AltModifier);
    Key(Qt::Key_D);
    ASSERT_EQ(m_prompter.Asked().size(), 1u);
    EXPECT_EQ(m_prompter.Asked()[0].kind, PromptKind::YesNo);
    EXPECT_EQ(Document().Count(), 4);
    EXPECT_NE(Document().Stroke(2).m_time, removedTime);
    EXPECT_TRUE(Document().IsModified());
}

TEST_F(QuillmarkDlgCommandsTest, EditCommandsWithoutACurrentStrokeDoNothing)
{
    Open(5);
    Document().SetCurrentStroke(-1, false);
    for (const int nID : {ID_EDIT_DELETE_STROKE, ID_EDIT_COPY, ID_EDIT_EDIT_STROKE})
        platform::SendCommand(&m_dlg, nID);
    EXPECT_TRUE(m_prompter.Asked().empty()); // Delete would have asked
    EXPECT_EQ(Document().Count(), 5);
    EXPECT_EQ(Document().ClipStroke().m_keys, 0u);
}

TEST_F(QuillmarkDlgCommandsTest, CopyThenPasteInsertsASecondCopy)
{
    Open(8);
    Document().SetCurrentStroke(5, false);
    const CStenoStroke copied = Document().Stroke(5);
    platform::SendCommand(&m_dlg, ID_EDIT_COPY);
    platform::SendCommand(&m_dlg, ID_EDIT_PASTE);
    ASSERT_EQ(Document().Count(), 9);
    EXPECT_EQ(Document().Stroke(5).m_time, copied.m_time);
    EXPECT_EQ(Document().Stroke(6).m_time, copied.m_time);
}

TEST_F(QuillmarkDlgCommandsTest, SaveAsThroughTheCommand)
{
    m_fileDialogs.Script(L"");
    platform::SendCommand(&m_dlg, ID_FILE_SAVE_AS);
    EXPECT_TRUE(m_fileDialogs.Calls().back().bSave);
    EXPECT_EQ(LastRequest().strFolder, m_dlg.DefaultFolder());
    EXPECT_EQ(LastRequest().strFileName, L"");
    EXPECT_EQ(LastRequest().strFilter, L"RTF/CRE (*.rtf)");
    EXPECT_EQ(LastRequest().strDefaultExt, L"rtf");

    const std::string strPath = Open(4, "day1.rtf");
    m_fileDialogs.Script(L"");
    platform::SendCommand(&m_dlg, ID_FILE_SAVE_AS);
    EXPECT_EQ(LastRequest().strFolder, Wide(m_folder.Path().string() + "/"));
    EXPECT_EQ(LastRequest().strFileName, L"day1_copy");

    // Confirming saves there and the document belongs to the copy from then on.
    const std::string strCopy = m_folder / "day1_copy.rtf";
    m_fileDialogs.Script(Wide(strCopy));
    platform::SendCommand(&m_dlg, ID_FILE_SAVE_AS);
    EXPECT_EQ(ReadBytes(strCopy).empty(), false);
    EXPECT_EQ(Document().FileName(), Wide(strCopy));
    EXPECT_EQ(m_dlg.windowTitle(), QString::fromStdString("Quillmark - " + strCopy));
}

TEST_F(QuillmarkDlgCommandsTest, SaveAsProposalForNamesWithoutAnExtension)
{
    Open(2, "rel.2");
    m_fileDialogs.Script(L"");
    platform::SendCommand(&m_dlg, ID_FILE_SAVE_AS);
    // The name's own dot ends what is kept.
    EXPECT_EQ(LastRequest().strFileName, L"rel_copy");

    Open(2, "plain");
    m_fileDialogs.Script(L"");
    platform::SendCommand(&m_dlg, ID_FILE_SAVE_AS);
    EXPECT_EQ(LastRequest().strFileName, L"");
}

TEST_F(QuillmarkDlgCommandsTest, SaveWritesTheDocumentToItsOwnFile)
{
    const std::string strPath = Open(6);
    Document().SetCurrentStroke(0, false);
    m_prompter.Script(Answer::Yes);
    platform::SendCommand(&m_dlg, ID_EDIT_DELETE_STROKE);
    Key(Qt::Key_F, Qt::AltModifier);
    Key(Qt::Key_S);
    EXPECT_FALSE(Document().IsModified());
    platform::ScriptedPrompter prompter;
    strokelist::CStrokeDocument reread;
    ASSERT_TRUE(reread.LoadFile(Wide(strPath), prompter));
    EXPECT_EQ(reread.Count(), 5);
}

TEST_F(QuillmarkDlgCommandsTest, SaveWithoutADocumentDoesNothing)
{
    platform::SendCommand(&m_dlg, ID_FILE_SAVE);
    EXPECT_TRUE(m_prompter.Asked().empty());
    EXPECT_TRUE(m_folder.Names().empty());
}

class QuillmarkDlgCloseTest : public QuillmarkDlgCommandsTest
{
protected:
    /// A document with stroke 0 deleted and not yet saved.
    std::string OpenModified()
    {
        const std::string strPath = Open(6);
        m_strBytes = ReadBytes(strPath);
        m_prompter.Script(Answer::Yes);
        platform::SendCommand(&m_dlg, ID_EDIT_DELETE_STROKE);
        EXPECT_TRUE(Document().IsModified());
        return strPath;
    }

    std::string m_strBytes;
};

TEST_F(QuillmarkDlgCloseTest, CancelKeepsTheWindowAndTheChanges)
{
    const std::string strPath = OpenModified();
    m_prompter.Script(Answer::Cancel);
    QTest::mouseClick(platform::FindControl(&m_dlg, kIdCancel), Qt::LeftButton);
    EXPECT_EQ(m_prompter.Asked().back(), (Prompt{PromptKind::YesNoCancel, CloseText(strPath)}));
    EXPECT_TRUE(m_dlg.isVisible());
    EXPECT_TRUE(Document().IsModified());
    EXPECT_EQ(ReadBytes(strPath), m_strBytes);
}

TEST_F(QuillmarkDlgCloseTest, NoClosesWithoutSaving)
{
    const std::string strPath = OpenModified();
    m_prompter.Script(Answer::No);
    m_dlg.close(); // the platform's close request
    EXPECT_EQ(m_prompter.Asked().back(), (Prompt{PromptKind::YesNoCancel, CloseText(strPath)}));
    EXPECT_FALSE(m_dlg.isVisible());
    EXPECT_EQ(m_dlg.result(), QDialog::Rejected);
    EXPECT_FALSE(Document().IsModified());
    EXPECT_EQ(ReadBytes(strPath), m_strBytes);
}

TEST_F(QuillmarkDlgCloseTest, YesSavesThenCloses)
{
    const std::string strPath = OpenModified();
    m_prompter.Script(Answer::Yes);
    Key(Qt::Key_F, Qt::AltModifier);
    Key(Qt::Key_X); // Exit
    EXPECT_EQ(m_prompter.Asked().back(), (Prompt{PromptKind::YesNoCancel, CloseText(strPath)}));
    EXPECT_FALSE(m_dlg.isVisible());
    EXPECT_NE(ReadBytes(strPath), m_strBytes);
    platform::ScriptedPrompter prompter;
    strokelist::CStrokeDocument reread;
    ASSERT_TRUE(reread.LoadFile(Wide(strPath), prompter));
    EXPECT_EQ(reread.Count(), 5);
}

TEST_F(QuillmarkDlgCloseTest, AnUnchangedDocumentClosesWithoutAQuestion)
{
    Open(3);
    platform::SendCommand(&m_dlg, kIdCancel);
    EXPECT_TRUE(m_prompter.Asked().empty());
    EXPECT_FALSE(m_dlg.isVisible());
}
