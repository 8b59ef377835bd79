#pragma once
// Text without the given characters at either end: dictionary outlines, RTF
// punctuation groups and lines of the engine's configuration are read trimmed.

#include <string_view>

namespace translation {

inline std::string_view Trimmed(std::string_view text, std::string_view strAround = " ")
{
    const std::size_t nFirst = text.find_first_not_of(strAround);
    if (nFirst == std::string_view::npos)
        return {};
    return text.substr(nFirst, text.find_last_not_of(strAround) - nFirst + 1);
}

} // namespace translation
