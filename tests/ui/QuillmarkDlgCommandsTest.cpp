// The main window's keys, its file commands and its close button, checked by
// what each does to the menus and the window.

#include "QuillmarkDlgFixture.h"

#include "framework/CommandIds.h"
#include "platform/DialogControls.h"

using namespace framework;
using namespace mainwindowtest;
using platform::Answer;
using platform::PromptKind;

using QuillmarkDlgCommandsTest = QuillmarkDlgFixture;

// Which letter a menu takes is the command keys' table; Alt+F and O opening a
// file is the end-to-end run's.
TEST_F(QuillmarkDlgCommandsTest, EscHidesAnOpenMenuAndNeverTheWindow)
{
    Key(Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(m_dlg.Menus().File().isVisible());
    Key(Qt::Key_R); // used up: the menu stays
    EXPECT_TRUE(m_dlg.Menus().File().isVisible());
    Key(Qt::Key_Escape); // and the list has the keys again
    EXPECT_FALSE(m_dlg.Menus().File().isVisible());
    EXPECT_TRUE(m_dlg.List()->hasFocus());
    Key(Qt::Key_Escape);
    EXPECT_TRUE(m_dlg.isVisible());
    EXPECT_TRUE(m_fileDialogs.Calls().empty());
}

// What Save As writes and the name it proposes are the flows' tests.
TEST_F(QuillmarkDlgCommandsTest, SaveAsMovesTheWindowToTheCopy)
{
    Open(4, "day1.rtf");
    const std::string strCopy = m_folder / "day1_copy.rtf";
    m_fileDialogs.Script(Wide(strCopy));
    platform::SendCommand(&m_dlg, ID_FILE_SAVE_AS);
    EXPECT_EQ(m_dlg.windowTitle(), QString::fromStdString("Quillmark - " + strCopy));
}

// What each answer to the close question does is the flows' test.
TEST_F(QuillmarkDlgCommandsTest, TheCloseButtonAsksAndCancelKeepsTheWindow)
{
    Open(6);
    m_prompter.Script(Answer::Yes); // to deleting the current stroke
    platform::SendCommand(&m_dlg, ID_EDIT_DELETE_STROKE);
    m_prompter.Script(Answer::Cancel);
    QTest::mouseClick(platform::FindControl(&m_dlg, kIdCancel), Qt::LeftButton);
    EXPECT_EQ(m_prompter.Asked().back().kind, PromptKind::YesNoCancel);
    EXPECT_TRUE(m_dlg.isVisible());
}
