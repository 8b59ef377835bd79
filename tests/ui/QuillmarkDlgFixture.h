#pragma once
// The main window shown on the offscreen screen with scripted questions and
// file dialogs, recording every command it runs, and stroke files to open.

#include "framework/CommandIds.h"
#include "mainwindow/QuillmarkDlg.h"
#include "platform/Desktop.h"
#include "platform/Drawing.h"
#include "platform/MessageEvent.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "tests/support/ScriptedPrompter.h"
#include "strokelist/StenoViewList.h"
#include "strokelist/StrokeDocument.h"
#include "tests/support/FileTestSupport.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mainwindowtest {

/// The main window with a record of the commands that reached it.
class CRecordingDlg : public CQuillmarkDlg
{
public:
    using CQuillmarkDlg::CQuillmarkDlg;

    std::vector<int> m_commands;

protected:
    void OnCommand(int nID) override
    {
        m_commands.push_back(nID);
        CQuillmarkDlg::OnCommand(nID);
    }
};

/// Strokes 0 … n-1, stroke i with the keys S and i + 1 seconds apart, so each
/// can be told from its neighbours by its time.
inline std::vector<CStenoStroke> NumberedStrokes(int nCount)
{
    std::vector<CStenoStroke> strokes(static_cast<std::size_t>(nCount));
    for (int i = 0; i < nCount; ++i) {
        CStenoStroke& stroke = strokes[static_cast<std::size_t>(i)];
        stroke.m_time = 1714723200 + i;
        stroke.m_keys = steno::KeyBit(steno::kKeyLeftS) | steno::KeyBit(steno::kKeyRightT);
        stroke.m_rawKeys = stroke.m_keys;
    }
    return strokes;
}

/// Writes a stroke file through the document's own save.
inline void WriteStrokeFile(const std::string& strPath, int nCount)
{
    platform::ScriptedPrompter prompter;
    strokelist::CStrokeDocument document;
    document.AssignStrokes(NumberedStrokes(nCount));
    ASSERT_TRUE(document.SaveFile(std::wstring(strPath.begin(), strPath.end()), prompter));
}

inline std::wstring Wide(const std::string& str)
{
    return std::wstring(str.begin(), str.end());
}

class QuillmarkDlgFixture : public ::testing::Test
{
protected:
    QuillmarkDlgFixture() : m_dlg(m_prompter, m_fileDialogs)
    {
        m_dlg.show();
        QApplication::setActiveWindow(&m_dlg);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_dlg));
    }

    strokelist::CStrokeDocument& Document() { return m_dlg.List()->Document(); }

    /// Opens a file of nCount strokes through the Open command.
    std::string Open(int nCount, const std::string& strName = "day1.rtf")
    {
        const std::string strPath = m_folder / strName;
        WriteStrokeFile(strPath, nCount);
        m_fileDialogs.Script(Wide(strPath));
        platform::SendCommand(&m_dlg, framework::ID_FILE_OPEN);
        return strPath;
    }

    /// Keys go where the user's keys go: to the widget with the focus.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* pTarget = QApplication::focusWidget();
        QTest::keyClick(pTarget != nullptr ? pTarget : &m_dlg, key, modifiers);
    }

    /// Lets queued commands (menu entries post theirs) arrive.
    static void Settle() { QCoreApplication::processEvents(); }

    QRect WorkArea() const { return platform::ToQRect(platform::DesktopWorkArea()); }

    test_support::CTempFolder m_folder;
    platform::ScriptedPrompter m_prompter;
    platform::ScriptedFileDialogs m_fileDialogs;
    CRecordingDlg m_dlg;
};

} // namespace mainwindowtest
