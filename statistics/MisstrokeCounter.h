#pragma once
// Misstrokes counted by outline. With a translation they are the translations
// a following `*` undid; without one they are the strokes followed by a
// stroke of `*` alone (strokes without keys, which translating skips, are
// passed over).

#include "statistics/TranslationRecord.h"
#include "steno/StenoKeys.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace statistics {

inline constexpr std::size_t kTopMisstrokes = 20;

struct Misstroke
{
    std::wstring strOutline;
    std::wstring strText; ///< the undone translation's text; empty without a translation
    std::int64_t nCount = 0;
    int nFirstStroke = 0; ///< where the outline was first undone

    bool operator==(const Misstroke&) const = default;
};

struct MisstrokeStatistics
{
    std::vector<Misstroke> top; ///< the most frequent first; of equal ones the earlier
    std::int64_t nCount = 0;    ///< all misstrokes
    std::int64_t nOutlines = 0; ///< different outlines among them
    bool bTranslated = false;   ///< taken from a translation rather than from `*` strokes
};

class CMisstrokeCounter
{
public:
    explicit CMisstrokeCounter(bool bTranslated) : m_bTranslated(bTranslated) {}

    /// Stroke nIndex, with the keys the list shows, follows the stroke added before it.
    void AddStroke(int nIndex, steno::KeyBits keys);
    void AddTranslation(const TranslationRecord& record);
    MisstrokeStatistics Finish();

private:
    void Count(const std::wstring& strOutline, const std::wstring& strText, int nFirstStroke);

    bool m_bTranslated;
    int m_nPrevious = -1;
    steno::KeyBits m_previousKeys = 0;
    std::unordered_map<std::wstring, Misstroke> m_outlines;
};

} // namespace statistics
