#pragma once
// What separates the words of formatted text, in both the UTF-8 and the wide
// forms the program holds it in: the ASCII white space characters.

namespace statistics {

template <typename Char> constexpr bool IsWordSpace(Char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

} // namespace statistics
