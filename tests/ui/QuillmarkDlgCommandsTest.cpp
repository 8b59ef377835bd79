// The main window's keys, its file and edit commands and its close question,
// checked by what each does to the menus, the document and the files.

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
    platform::FileRequest LastRequest() const { return m_fileDialogs.Calls().back().request; }
};

} // namespace

TEST_F(QuillmarkDlgCommandsTest, AltFThenOOpensAFileAndShowsItsFirstStroke)
{
    Key(Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(m_dlg.FileMenu().isVisible());
    EXPECT_TRUE(m_dlg.FileMenu().hasFocus());
    m_fileDialogs.Script(L""); // the user cancels
    Key(Qt::Key_O);
    EXPECT_FALSE(m_dlg.FileMenu().isVisible());
    ASSERT_EQ(m_fileDialogs.Calls().size(), 1u);
    EXPECT_FALSE(m_fileDialogs.Calls()[0].bSave);
    EXPECT_EQ(LastRequest(), mainwindow::OpenRequest(platform::DocumentsFolder()));
    EXPECT_EQ(m_dlg.windowTitle(), QStringLiteral("Quillmark - No document"));

    const std::string strPath = Open(40);
    EXPECT_EQ(Document().Count(), 40);
    EXPECT_EQ(Document().Current(), 0);
    EXPECT_EQ(m_dlg.windowTitle(), QString::fromStdString("Quillmark - " + strPath));
    EXPECT_TRUE(m_prompter.Asked().empty());
}

TEST_F(QuillmarkDlgCommandsTest, LettersActOnlyInTheMenuThatIsOpen)
{
    Key(Qt::Key_O); // no menu: the list's, no file dialog
    EXPECT_TRUE(m_fileDialogs.Calls().empty());
    Key(Qt::Key_F, Qt::AltModifier);
    Key(Qt::Key_R); // used up: the menu stays
    Key(Qt::Key_G); // not a File letter
    EXPECT_TRUE(m_dlg.FileMenu().isVisible());
    Key(Qt::Key_Escape); // hides the menu, never the window, and the list has the keys again
    EXPECT_FALSE(m_dlg.FileMenu().isVisible());
    EXPECT_TRUE(m_dlg.List()->hasFocus());
    Key(Qt::Key_Escape);
    EXPECT_TRUE(m_dlg.isVisible());
    for (const auto& [menu, letter] :
         {std::pair{Qt::Key_E, Qt::Key_G}, std::pair{Qt::Key_O, Qt::Key_T}}) {
        Key(menu, Qt::AltModifier);
        Key(letter, Qt::ShiftModifier); // Shift does not stop a letter
        EXPECT_FALSE(m_dlg.EditMenu().isVisible());
        EXPECT_FALSE(m_dlg.OptionsMenu().isVisible());
    }
    EXPECT_TRUE(m_fileDialogs.Calls().empty());
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
    EXPECT_EQ(Document().Count(), 4);
    EXPECT_NE(Document().Stroke(2).m_time, removedTime);
}

TEST_F(QuillmarkDlgCommandsTest, CopyThenPasteInsertsASecondCopy)
{
    Open(8);
    Document().SetCurrentStroke(5, false);
    const std::int64_t copied = Document().Stroke(5).m_time;
    platform::SendCommand(&m_dlg, ID_EDIT_COPY);
    platform::SendCommand(&m_dlg, ID_EDIT_PASTE);
    ASSERT_EQ(Document().Count(), 9);
    EXPECT_EQ(Document().Stroke(5).m_time, copied);
    EXPECT_EQ(Document().Stroke(6).m_time, copied);
}

TEST_F(QuillmarkDlgCommandsTest, SaveAsProposesACopyAndTheDocumentMovesToIt)
{
    Open(4, "day1.rtf");
    m_fileDialogs.Script(L"");
    platform::SendCommand(&m_dlg, ID_FILE_SAVE_AS);
    EXPECT_TRUE(m_fileDialogs.Calls().back().bSave);
    EXPECT_EQ(LastRequest().strFolder, Wide(m_folder.Path().string() + "/"));
    EXPECT_EQ(LastRequest().strFileName, L"day1_copy");

    const std::string strCopy = m_folder / "day1_copy.rtf";
    m_fileDialogs.Script(Wide(strCopy));
    platform::SendCommand(&m_dlg, ID_FILE_SAVE_AS);
    EXPECT_FALSE(ReadBytes(strCopy).empty());
    EXPECT_EQ(Document().FileName(), Wide(strCopy));
    EXPECT_EQ(m_dlg.windowTitle(), QString::fromStdString("Quillmark - " + strCopy));
}

TEST_F(QuillmarkDlgCommandsTest, SaveWritesTheDocumentToItsOwnFile)
{
    const std::string strPath = Open(6);
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

class QuillmarkDlgCloseTest : public QuillmarkDlgCommandsTest
{
protected:
    /// A document with stroke 0 deleted and not yet saved.
    void OpenModified()
    {
        m_strPath = Open(6);
        m_strBytes = ReadBytes(m_strPath);
        m_prompter.Script(Answer::Yes);
        platform::SendCommand(&m_dlg, ID_EDIT_DELETE_STROKE);
    }

    Prompt CloseQuestion() const
    {
        return {PromptKind::YesNoCancel,
                L"Do you want to save file '" + Wide(m_strPath) + L"' before close?"};
    }

    std::string m_strPath;
    std::string m_strBytes;
};

TEST_F(QuillmarkDlgCloseTest, CancelOnTheCloseButtonKeepsTheWindowAndTheChanges)
{
    OpenModified();
    m_prompter.Script(Answer::Cancel);
    QTest::mouseClick(platform::FindControl(&m_dlg, kIdCancel), Qt::LeftButton);
    EXPECT_EQ(m_prompter.Asked().back(), CloseQuestion());
    EXPECT_TRUE(m_dlg.isVisible());
    EXPECT_TRUE(Document().IsModified());
    EXPECT_EQ(ReadBytes(m_strPath), m_strBytes);
}

TEST_F(QuillmarkDlgCloseTest, NoOnThePlatformsCloseRequestClosesWithoutSaving)
{
    OpenModified();
    m_prompter.Script(Answer::No);
    m_dlg.close();
    EXPECT_EQ(m_prompter.Asked().back(), CloseQuestion());
    EXPECT_FALSE(m_dlg.isVisible());
    EXPECT_EQ(ReadBytes(m_strPath), m_strBytes);
}

TEST_F(QuillmarkDlgCloseTest, YesOnExitSavesThenCloses)
{
    OpenModified();
    m_prompter.Script(Answer::Yes);
    Key(Qt::Key_F, Qt::AltModifier);
    Key(Qt::Key_X);
    EXPECT_EQ(m_prompter.Asked().back(), CloseQuestion());
    EXPECT_FALSE(m_dlg.isVisible());
    platform::ScriptedPrompter prompter;
    strokelist::CStrokeDocument reread;
    ASSERT_TRUE(reread.LoadFile(Wide(m_strPath), prompter));
    EXPECT_EQ(reread.Count(), 5);
}

TEST_F(QuillmarkDlgCloseTest, AnUnchangedDocumentClosesWithoutAQuestion)
{
    Open(3);
    platform::SendCommand(&m_dlg, kIdCancel);
    EXPECT_TRUE(m_prompter.Asked().empty());
    EXPECT_FALSE(m_dlg.isVisible());
}
