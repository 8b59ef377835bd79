#include "exchange/PloverSteno.h"

namespace exchange {

namespace {

using steno::KeyBits;

// The engine has no '@' key: its first column is the number bar.
constexpr int kFirstColumnKey = steno::kKeyNumberBar;
constexpr std::size_t kColumns = steno::kKeyCount - kFirstColumnKey;

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

/// Whether ch stands for key nIndex, as its letter or its number-bar digit.
bool Names(char ch, int nIndex)
{
    const auto wch = static_cast<wchar_t>(static_cast<unsigned char>(ch));
    return steno::kLetterKeys[nIndex] == wch || (IsDigit(ch) && steno::kNumberKeys[nIndex] == wch);
}

KeyBits KeyOf(char ch, int nIndex)
{
    return steno::KeyBit(nIndex) | (IsDigit(ch) ? steno::KeyBit(steno::kKeyNumberBar) : 0);
}

} // namespace

std::optional<KeyBits> ParsePloverSteno(std::string_view text)
{
    KeyBits keys = 0;
    int nNext = 0; // keys before this one are behind us in steno order
    bool bHyphen = false;
    for (char ch : text) {
        if (ch == '-') {
            if (bHyphen || nNext > steno::kFirstRightKey)
                return std::nullopt;
            bHyphen = true;
            nNext = steno::kFirstRightKey;
            continue;
        }
        while (nNext < steno::kKeyCount && !Names(ch, nNext))
            ++nNext;
        if (nNext == steno::kKeyCount)
            return std::nullopt;
        keys |= KeyOf(ch, nNext++);
    }
    return keys != 0 ? std::optional(keys) : std::nullopt;
}

std::optional<KeyBits> ParsePaperColumns(std::string_view text)
{
    if (text.size() > kColumns)
        return std::nullopt;
    KeyBits keys = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int nIndex = kFirstColumnKey + static_cast<int>(i);
        if (text[i] == ' ')
            continue;
        if (!Names(text[i], nIndex))
            return std::nullopt;
        keys |= KeyOf(text[i], nIndex);
    }
    return keys != 0 ? std::optional(keys) : std::nullopt;
}

std::optional<KeyBits> ParseTapeStroke(std::string_view text)
{
    if (text.size() == kColumns || text.find(' ') != std::string_view::npos)
        return ParsePaperColumns(text);
    return ParsePloverSteno(text);
}

} // namespace exchange
