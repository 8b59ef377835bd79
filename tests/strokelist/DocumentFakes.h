#pragma once
// Stand-ins for the list window, the main window and the message boxes, keeping
// the state a test checks: where the view was asked to scroll, what the main
// window was last told and every box shown.

#include "strokelist/SearchRequests.h"
#include "strokelist/StrokeDocument.h"
#include "strokelist/StrokeListObserver.h"
#include "strokelist/StrokeListView.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace strokelist::test {

/// A list window of ten whole rows of 20 pixels.
class CFakeView : public IStrokeListView
{
public:
    int RowHeight() const override { return 20; }
    int ClientHeight() const override { return 200; }
    void SetScrollPos(int nPos) override { m_nScrollPos = nPos; }
    void SetScrollRangeMax(int nMax) override { m_nRangeMax = nMax; }
    void RepaintListArea() override {}
    void ResetLayout() override { ++m_nLayouts; }
    void HideEditor() override { m_nEditor = -1; }
    void OpenEditor(int nIndex) override { m_nEditor = nIndex; }
    void FocusList() override { ++m_nFocused; }

    int m_nScrollPos = -1; ///< as asked; -1 until a scroll is asked for
    int m_nRangeMax = 0;
    int m_nLayouts = 0;
    int m_nEditor = -1;
    int m_nFocused = 0;
};

/// The main window: the last current-stroke notice, and the replace start following it.
class CFakeMainWindow : public IStrokeListObserver
{
public:
    explicit CFakeMainWindow(ReplaceStrokeState& replace) : m_replace(replace) {}

    void Attach(const CStrokeDocument& document) { m_pDocument = &document; }
    void OnCurrentStroke(int nCurrent, int nCount) override
    {
        m_notice = {nCurrent, nCount};
        if (m_pDocument != nullptr)
            FollowCurrentStroke(m_replace, *m_pDocument);
    }

    std::pair<int, int> m_notice{-2, -2};

private:
    ReplaceStrokeState& m_replace;
    const CStrokeDocument* m_pDocument = nullptr;
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

/// A document wired to the fakes above.
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

    CFakeView m_view;
    ReplaceStrokeState m_replace;
    CFakeMainWindow m_mainWindow{m_replace};
    platform::ScriptedPrompter m_prompter;
    CStrokeDocument m_document{&m_view, &m_mainWindow};
};

} // namespace strokelist::test
