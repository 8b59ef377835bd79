#pragma once
// A document wired to recording fakes, a scratch folder and small stroke files
// written by hand, for the load and save tests.

#include "DocumentFakes.h"

#include "../support/FileTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace strokelist::test {

/// One stroke of a hand-written file: its steno texts and time group.
struct FileStroke
{
    std::string strSteno;
    std::string strRaw;
    std::string strTime; ///< as in the time group, e.g. "9:5:7:0"; empty: no time group
};

inline std::string StrokeFileText(const std::vector<FileStroke>& strokes,
                                  const std::string& strDate = "\\yr2024\\mo3\\da5")
{
    std::string strText = "{\\rtf1\\pc\n{\\*\\cxrev100}\n{\\*\\cxnotes}\n"
                          "{\\*\\cxsystem {\\i Corvane writer} Ardentide Inc}\n"
                          "{\\info\n{\\creatim" +
                          strDate + "}\n}\n";
    for (const FileStroke& stroke : strokes) {
        strText += "{\\*\\cxs " + stroke.strSteno + "}\n{\\*\\cxsf " + stroke.strRaw + "}\n";
        if (!stroke.strTime.empty())
            strText += "{\\*\\cxt " + stroke.strTime + "}\n";
        strText += "{\\*\\cxsp 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 7}\n"
                   "{\\*\\cxspt 5,6 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 "
                   "0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,-1}\n";
    }
    return strText + "}\r\n";
}

/// n strokes with alternating keys, one second apart from 09:00:00.
inline std::vector<CStenoStroke> GeneratedStrokes(int nCount)
{
    std::vector<CStenoStroke> strokes;
    strokes.reserve(static_cast<std::size_t>(nCount));
    for (int i = 0; i < nCount; ++i) {
        CStenoStroke stroke = MakeStroke(i % 2 == 0 ? 0x000100u : 0x0A0003u,
                                         1709629200 + i); // 2024-03-05 09:00:00 UTC
        stroke.m_keyValues[3] = static_cast<std::uint16_t>(i);
        strokes.push_back(stroke);
    }
    return strokes;
}

class StrokeFileFixture : public ::testing::Test
{
protected:
    StrokeFileFixture() { m_mainWindow.Attach(m_document); }

    std::wstring Wide(const std::string& strPath) const
    {
        return std::wstring(strPath.begin(), strPath.end());
    }

    std::vector<std::wstring> Prompts() const
    {
        std::vector<std::wstring> texts;
        for (const platform::Prompt& prompt : m_prompter.Asked())
            texts.push_back(prompt.strText);
        return texts;
    }

    const CScopedTimeZone m_zone{kUtcZone};
    test_support::CTempFolder m_folder;
    Log m_log;
    CFakeView m_view{m_log};
    ReplaceStrokeState m_replace;
    CFakeMainWindow m_mainWindow{m_log, m_replace};
    CLoggingPrompter m_prompter{m_log};
    CStrokeDocument m_document{&m_view, &m_mainWindow};
};

} // namespace strokelist::test
