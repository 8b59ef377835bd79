#include "translation/OutlineNotation.h"

#include "steno/StenoEncoder.h"

#include <algorithm>

namespace translation {

namespace {

using namespace steno;

/// The key a character names at or after nFrom in steno order, or -1.
int FindKey(wchar_t ch, int nFrom)
{
    for (int i = nFrom; i < kKeyCount; ++i) {
        if (kLetterKeys[i] == ch)
            return i;
        if (kNumberKeys[i] == ch && ch >= L'0' && ch <= L'9')
            return i;
    }
    return -1;
}

} // namespace

std::optional<KeyBits> ParseStroke(std::string_view text, bool bAllowAt)
{
    KeyBits keys = 0;
    int nNext = bAllowAt ? kKeyAt : kKeyNumberBar;
    for (char ch : text) {
        // A hyphen ends the left bank; the program's own notation writes E and U
        // after it, the standard one before it, so both are taken.
        if (ch == '-') {
            nNext = std::max(nNext, kFirstRightKey);
            continue;
        }
        const int nKey = FindKey(static_cast<unsigned char>(ch), nNext);
        if (nKey < 0)
            return std::nullopt;
        keys |= KeyBit(nKey);
        if (ch >= '0' && ch <= '9')
            keys |= KeyBit(kKeyNumberBar);
        nNext = nKey + 1;
    }
    if (keys == 0)
        return std::nullopt;
    return keys;
}

bool ParseOutline(std::string_view text, bool bAllowAt, std::vector<KeyBits>& strokes)
{
    strokes.clear();
    while (true) {
        const std::size_t nSlash = text.find('/');
        const auto keys = ParseStroke(text.substr(0, nSlash), bAllowAt);
        if (!keys)
            return false;
        strokes.push_back(*keys);
        if (nSlash == std::string_view::npos)
            return true;
        text.remove_prefix(nSlash + 1);
    }
}

std::string KeysText(KeyBits keys)
{
    std::wstring text;
    AppendStenoKeysText(keys, false, false, text);
    // Steno text is plain ASCII.
    return std::string(text.begin(), text.end());
}

std::string OutlineText(const std::vector<KeyBits>& strokes)
{
    std::string text;
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        if (i > 0)
            text.push_back('/');
        text += KeysText(strokes[i]);
    }
    return text;
}

} // namespace translation
