#pragma once
// A document wired to recording fakes and a scratch folder, for the load and
// save tests.

#include "DocumentFakes.h"

#include "tests/support/FileTestSupport.h"

#include <string>
#include <vector>

namespace strokelist::test {

using test_support::FileStroke;
using test_support::StrokeFileText;

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

class StrokeFileFixture : public WiredDocumentFixture
{
protected:
    std::wstring Wide(const std::string& strPath) const
    {
        return std::wstring(strPath.begin(), strPath.end());
    }

    const CScopedTimeZone m_zone{kUtcZone};
    test_support::CTempFolder m_folder;
};

} // namespace strokelist::test
