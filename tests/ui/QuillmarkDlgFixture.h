#pragma once
// The main window shown on the offscreen screen with scripted questions and
// file dialogs, and stroke files to open.

#include "framework/CommandIds.h"
#include "mainwindow/QuillmarkDlg.h"
#include "platform/Desktop.h"
#include "platform/Drawing.h"
#include "platform/CommandEvent.h"
#include "strokelist/StenoViewList.h"
#include "document/StrokeDocument.h"
#include "tests/support/FileTestSupport.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "tests/support/ScriptedPrompter.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mainwindowtest {

inline std::wstring Wide(const std::string& str)
{
    return std::wstring(str.begin(), str.end());
}

/// Writes a file of nCount strokes, stroke i written at 09:00:i, so each can be
/// told from its neighbours by its time.
inline void WriteStrokeFile(const std::string& strPath, int nCount)
{
    std::vector<test_support::FileStroke> strokes;
    for (int i = 0; i < nCount; ++i)
        strokes.push_back({"S-T", "S-T", "9:0:" + std::to_string(i) + ":0"});
    test_support::WriteBytes(strPath, test_support::StrokeFileText(strokes));
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

    doc::CStrokeDocument& Document() { return m_dlg.Document(); }

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

    QRect WorkArea() const { return platform::ToQRect(platform::DesktopWorkArea()); }

    test_support::CTempFolder m_folder;
    platform::ScriptedPrompter m_prompter;
    platform::ScriptedFileDialogs m_fileDialogs;
    CQuillmarkDlg m_dlg;
};

} // namespace mainwindowtest
