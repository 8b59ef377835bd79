#pragma once
// One translation as the statistics read it: which strokes it covers, its
// outline and text, and whether a following `*` took it back. The translator's
// output is turned into a list of these before statistics are computed.

#include <string>

namespace statistics {

struct TranslationRecord
{
    int nFirstStroke = 0; ///< document index of its first stroke
    int nStrokeCount = 0;
    std::wstring strOutline; ///< strokes joined by '/', as the program writes keys
    std::wstring strText;    ///< the formatted text; words are its parts between white space
    bool bUndone = false;    ///< a following `*` removed it: a misstroke
};

} // namespace statistics
