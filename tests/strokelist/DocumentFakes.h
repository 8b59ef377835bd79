#pragma once
// Recording stand-ins for the list window, the main window and the message boxes.
// All three write into one log, so a test sees the order across them.

#include "tests/support/ScriptedPrompter.h"
#include "strokelist/ListScrolling.h"
#include "strokelist/SearchRequests.h"
#include "strokelist/StrokeDocument.h"
#include "strokelist/StrokeListObserver.h"
#include "strokelist/StrokeListView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace strokelist::test {

using Log = std::vector<std::string>;

inline std::string Narrow(const std::wstring& strText)
{
    return std::string(strText.begin(), strText.end());
}

/// A list window with a fixed geometry whose scroll bar limits positions as the
/// real one does: 0 ... count - (page rows - 1).
class CFakeView : public IStrokeListView
{
public:
    explicit CFakeView(Log& log) : m_log(log) {}

    int RowHeight() const override { return m_nRowHeight; }
    int ClientHeight() const override { return m_nClientHeight; }
    void SetScrollPos(int nPos) override
    {
        const int nPageRows = m_nRowHeight > 0 ? m_nClientHeight / m_nRowHeight : 0;
        m_nScrollPos = ClampScrollPos(nPos, m_nRangeMax, nPageRows);
        m_log.push_back("scroll " + std::to_string(nPos));
    }
    void SetScrollRangeMax(int nMax) override
    {
        m_nRangeMax = nMax;
        m_log.push_back("range " + std::to_string(nMax));
    }
    void RepaintListArea() override { m_log.push_back("repaint"); }
    void ResetLayout() override { m_log.push_back("layout"); }
    void HideEditor() override { m_log.push_back("hide editor"); }
    void OpenEditor(int nIndex) override { m_log.push_back("edit " + std::to_string(nIndex)); }
    void FocusList() override { m_log.push_back("focus"); }

    int m_nRowHeight = 20;
    int m_nClientHeight = 200; // ten whole rows
    int m_nRangeMax = 0;
    int m_nScrollPos = 0;

private:
    Log& m_log;
};

/// The main window's reaction to WM_STROKELIST_CURRENT, as far as the core sees it.
class CFakeMainWindow : public IStrokeListObserver
{
public:
    CFakeMainWindow(Log& log, ReplaceStrokeState& replace) : m_log(log), m_replace(replace) {}

    void Attach(const CStrokeDocument& document) { m_pDocument = &document; }
    void OnCurrentStroke(int nCurrent, int nCount) override
    {
        m_log.push_back("current " + std::to_string(nCurrent) + "/" + std::to_string(nCount));
        if (m_pDocument != nullptr)
            FollowCurrentStroke(m_replace, *m_pDocument);
    }

private:
    Log& m_log;
    ReplaceStrokeState& m_replace;
    const CStrokeDocument* m_pDocument = nullptr;
};

/// Scripted answers that also note each box in the shared log.
class CLoggingPrompter : public platform::ScriptedPrompter
{
public:
    explicit CLoggingPrompter(Log& log) : m_log(log) {}

    platform::Answer YesNo(const std::wstring& strText) override
    {
        m_log.push_back("ask " + Narrow(strText));
        return ScriptedPrompter::YesNo(strText);
    }
    platform::Answer RetryCancel(const std::wstring& strText) override
    {
        m_log.push_back("fail " + Narrow(strText));
        return ScriptedPrompter::RetryCancel(strText);
    }
    void Information(const std::wstring& strText) override
    {
        m_log.push_back("info " + Narrow(strText));
        ScriptedPrompter::Information(strText);
    }

private:
    Log& m_log;
};

/// A stroke told apart by its keys and time.
inline CStenoStroke MakeStroke(steno::KeyBits keys, std::int64_t time = 0)
{
    CStenoStroke stroke;
    stroke.m_keys = keys;
    stroke.m_rawKeys = keys;
    stroke.m_time = time;
    return stroke;
}

/// A document wired to the fakes above, all logging into one log.
class WiredDocumentFixture : public ::testing::Test
{
protected:
    WiredDocumentFixture() { m_mainWindow.Attach(m_document); }

    /// The texts of every message box so far.
    std::vector<std::wstring> Prompts() const
    {
        std::vector<std::wstring> texts;
        for (const platform::Prompt& prompt : m_prompter.Asked())
            texts.push_back(prompt.strText);
        return texts;
    }

    Log m_log;
    CFakeView m_view{m_log};
    ReplaceStrokeState m_replace;
    CFakeMainWindow m_mainWindow{m_log, m_replace};
    CLoggingPrompter m_prompter{m_log};
    CStrokeDocument m_document{&m_view, &m_mainWindow};
};

} // namespace strokelist::test
