#include "translation/DictionaryError.h"

#include <algorithm>

namespace translation {

std::size_t CDictionaryError::LineAt(std::string_view bytes, std::size_t nOffset)
{
    const auto end = bytes.begin() + static_cast<std::ptrdiff_t>(std::min(nOffset, bytes.size()));
    return 1 + static_cast<std::size_t>(std::count(bytes.begin(), end, '\n'));
}

void DictionaryNotes::Skip(std::size_t nLine, std::string_view strOutline)
{
    if (nSkipped++ == 0) {
        nFirstLine = nLine;
        strFirstOutline = strOutline;
    }
}

std::string DictionaryNotes::Message() const
{
    if (nSkipped == 0)
        return {};
    return std::to_string(nSkipped) + (nSkipped == 1 ? " entry was" : " entries were") +
           " left out: the outline is not steno (line " + std::to_string(nFirstLine) + ": \"" +
           strFirstOutline + "\")";
}

} // namespace translation
