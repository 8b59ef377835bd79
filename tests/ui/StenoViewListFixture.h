#pragma once
// A stroke list inside a stand-in main window that records the keys reaching it
// and the current-stroke notifications, with a scripted prompter and a document
// of generated strokes.

#include "document/DocumentFlows.h"
#include "document/StrokeDocument.h"
#include "strokelist/StenoViewList.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "tests/support/ScriptedPrompter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace listtest {

/// The main window's side: keys that reach it and every current-stroke notice.
class CRecordingWindow : public QWidget, public doc::IDocumentObserver
{
public:
    std::vector<std::pair<int, Qt::KeyboardModifiers>> m_keys;
    std::vector<std::pair<int, int>> m_notices;

    void OnCurrentChanged(const doc::CurrentChange& change) override
    {
        m_notices.emplace_back(change.nCurrent, change.nCount);
    }

protected:
    void keyPressEvent(QKeyEvent* pEvent) override
    {
        m_keys.emplace_back(pEvent->key(), pEvent->modifiers());
    }
};

/// Strokes 0 … n-1; stroke i has the left S key and a time i seconds apart.
inline std::vector<CStenoStroke> GeneratedStrokes(int nCount)
{
    std::vector<CStenoStroke> strokes(static_cast<std::size_t>(nCount));
    for (int i = 0; i < nCount; ++i) {
        strokes[static_cast<std::size_t>(i)].m_time = 1700000000 + i;
        strokes[static_cast<std::size_t>(i)].m_keys = steno::KeyBit(steno::kKeyLeftS);
        strokes[static_cast<std::size_t>(i)].m_rawKeys = steno::KeyBit(steno::kKeyLeftS);
    }
    return strokes;
}

class StenoViewListFixture : public testing::Test
{
protected:
    static constexpr int kListWidth = 1000;

    StenoViewListFixture() : m_pList(new CStenoViewList(&m_window, m_document, m_flows))
    {
        m_document.AddObserver(m_window);
        m_window.resize(kListWidth + 20, 700);
        m_pList->setGeometry(0, 0, kListWidth, 400);
        m_window.show();
        QApplication::setActiveWindow(&m_window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_window));
        m_pList->setFocus();
    }

    /// Puts the strokes in place as a load does: a new layout at the next paint.
    void Load(std::vector<CStenoStroke> strokes)
    {
        m_document.AssignStrokes(std::move(strokes));
        Paint();
        m_window.m_notices.clear();
    }

    /// Sizes the list so that exactly nRows whole rows fit.
    void FitRows(int nRows)
    {
        Paint();
        m_pList->resize(kListWidth, nRows * m_pList->RowHeight());
        ASSERT_EQ(m_pList->Layout().nPageRows, nRows);
    }

    QImage Paint() { return m_pList->grab().toImage(); }

    QScrollBar& ScrollBar() { return *m_pList->findChild<QScrollBar*>(); }
    int Current() const { return m_document.Current(); }
    int Count() const { return m_document.Count(); }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(m_pList, key, modifiers);
    }

    doc::CStrokeDocument m_document;
    platform::ScriptedPrompter m_prompter;
    platform::ScriptedFileDialogs m_fileDialogs;
    doc::CDocumentFlows m_flows{m_document, m_prompter, m_fileDialogs, L""};
    CRecordingWindow m_window;
    CStenoViewList* m_pList;
};

} // namespace listtest
