#pragma once
// A document with its flows, scripted answers, a scratch folder and an observer
// that records what the windows would be told.

#include "document/DocumentFlows.h"
#include "document/StrokeDocument.h"
#include "tests/support/FileTestSupport.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace doc::test {

using test_support::FileStroke;
using test_support::StrokeFileText;
using test_support::WriteBytes;

/// A stroke told apart by its keys and time.
inline CStenoStroke MakeStroke(steno::KeyBits keys, std::int64_t time = 0)
{
    CStenoStroke stroke;
    stroke.m_keys = keys;
    stroke.m_rawKeys = keys;
    stroke.m_time = time;
    return stroke;
}

/// n strokes with keys 1, 2, 3, 1 …, one second apart from 1000.
inline std::vector<CStenoStroke> GeneratedStrokes(int nCount)
{
    std::vector<CStenoStroke> strokes;
    for (int i = 0; i < nCount; ++i)
        strokes.push_back(MakeStroke(static_cast<steno::KeyBits>(i % 3 + 1), 1000 + i));
    return strokes;
}

/// Keeps every notification, in order, as a line of text.
class CRecordingObserver : public IDocumentObserver
{
public:
    void OnCurrentChanged(const CurrentChange& c) override
    {
        m_notices.push_back("current " + std::to_string(c.nCurrent) + "/" +
                            std::to_string(c.nCount) + (c.bBringIntoView ? " show" : ""));
    }
    void OnStrokesChanged(const StrokesChange& c) override
    {
        m_notices.push_back("strokes " + std::to_string(c.nFirst) + " -" +
                            std::to_string(c.nRemoved) + " +" + std::to_string(c.nInserted) +
                            (c.bNewDocument ? " new" : ""));
    }
    void OnSelectionChanged(const StrokeRange& r) override
    {
        m_notices.push_back(r.IsEmpty() ? "selection none"
                                        : "selection " + std::to_string(r.nFirst) + "-" +
                                              std::to_string(r.nLast));
    }
    void OnModifiedChanged(bool bModified) override
    {
        m_notices.push_back(bModified ? "modified" : "saved");
    }
    std::vector<std::string> Take() { return std::exchange(m_notices, {}); }

private:
    std::vector<std::string> m_notices;
};

class DocumentFixture : public ::testing::Test
{
protected:
    DocumentFixture() { m_document.AddObserver(m_observer); }

    static std::wstring Wide(const std::string& strPath)
    {
        return std::wstring(strPath.begin(), strPath.end());
    }
    /// The texts of every message box so far.
    std::vector<std::wstring> Prompts() const
    {
        std::vector<std::wstring> texts;
        for (const platform::Prompt& prompt : m_prompter.Asked())
            texts.push_back(prompt.strText);
        return texts;
    }
    /// Loads the strokes as a file of the scratch folder.
    void LoadFile(const std::string& strName, const std::vector<FileStroke>& strokes)
    {
        WriteBytes(m_folder / strName, StrokeFileText(strokes));
        ASSERT_TRUE(m_document.Load(Wide(m_folder / strName)).bDone);
        m_observer.Take();
    }

    const CScopedTimeZone m_zone{kUtcZone};
    test_support::CTempFolder m_folder;
    CStrokeDocument m_document;
    platform::ScriptedPrompter m_prompter;
    platform::ScriptedFileDialogs m_fileDialogs;
    CDocumentFlows m_flows{m_document, m_prompter, m_fileDialogs, L"/home/ann/Documents"};
    CRecordingObserver m_observer;
};

} // namespace doc::test
