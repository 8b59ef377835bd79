#include "statistics/MisstrokeCounter.h"

#include "steno/StenoEncoder.h"

#include <algorithm>

namespace statistics {

namespace {

constexpr steno::KeyBits kStarOnly = steno::KeyBit(steno::kKeyStar);

} // namespace

void CMisstrokeCounter::AddStroke(int nIndex, steno::KeyBits keys)
{
    if (keys == 0)
        return;
    if (keys == kStarOnly && m_nPrevious >= 0 && m_previousKeys != kStarOnly)
        Count(StenoKeysToText(m_previousKeys, false, false), {}, m_nPrevious);
    m_nPrevious = nIndex;
    m_previousKeys = keys;
}

void CMisstrokeCounter::AddTranslation(const TranslationRecord& record)
{
    if (record.bUndone)
        Count(record.strOutline, record.strText, record.nFirstStroke);
}

void CMisstrokeCounter::Count(const std::wstring& strOutline, const std::wstring& strText,
                              int nFirstStroke)
{
    const auto [at, bNew] = m_outlines.try_emplace(strOutline);
    Misstroke& misstroke = at->second;
    if (bNew || nFirstStroke < misstroke.nFirstStroke) {
        misstroke.strOutline = strOutline;
        misstroke.strText = strText;
        misstroke.nFirstStroke = nFirstStroke;
    }
    ++misstroke.nCount;
}

MisstrokeStatistics CMisstrokeCounter::Finish()
{
    MisstrokeStatistics misstrokes;
    misstrokes.bTranslated = m_bTranslated;
    misstrokes.nOutlines = static_cast<std::int64_t>(m_outlines.size());
    for (auto& [strOutline, misstroke] : m_outlines) {
        misstrokes.nCount += misstroke.nCount;
        misstrokes.top.push_back(std::move(misstroke));
    }
    m_outlines.clear();
    std::sort(
        misstrokes.top.begin(), misstrokes.top.end(), [](const Misstroke& a, const Misstroke& b) {
            return a.nCount != b.nCount ? a.nCount > b.nCount : a.nFirstStroke < b.nFirstStroke;
        });
    if (misstrokes.top.size() > kTopMisstrokes)
        misstrokes.top.resize(kTopMisstrokes);
    return misstrokes;
}

} // namespace statistics
