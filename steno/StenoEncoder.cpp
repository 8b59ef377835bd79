#include "steno/StenoEncoder.h"

#include "steno/StenoStroke.h"

#include <array>
#include <cstdint>
#include <type_traits>

using namespace steno;

namespace {

bool IsSet(KeyBits keys, int index)
{
    return (keys & KeyBit(index)) != 0;
}

// Keys that are only read on one side of the hyphen, or with the number bar.
constexpr bool LeftOnly(int index)
{
    return index == kKeyLeftS || index == kKeyLeftT || index == kKeyLeftP || index == kKeyLeftR;
}

constexpr bool RightOnly(int index)
{
    return index == kKeyRightR || index == kKeyRightS;
}

constexpr bool RightOrNumber(int index)
{
    return index == kKeyRightP || index == kKeyRightT;
}

constexpr bool KeyAccepts(int index, bool bRight, bool bNumber)
{
    if (LeftOnly(index))
        return !bRight;
    if (RightOnly(index))
        return bRight;
    if (RightOrNumber(index))
        return bRight || bNumber;
    return true;
}

// The reading state: past the hyphen, number bar down.
constexpr int kRightState = 1;
constexpr int kNumberState = 2;
constexpr int kStateCount = 4;
constexpr unsigned kAsciiCount = 128;

/// The first key of the state's table that ch names and the state accepts; -1 for none.
constexpr int FirstKey(wchar_t ch, int nState)
{
    const bool bRight = (nState & kRightState) != 0;
    const bool bNumber = (nState & kNumberState) != 0;
    const std::wstring_view table = bNumber ? kNumberKeys : kLetterKeys;
    for (int i = 0; i < kKeyCount; ++i) {
        if (table[i] == ch && KeyAccepts(i, bRight, bNumber))
            return i;
    }
    return -1;
}

// FirstKey of every state and ASCII character, looked up instead of searched.
using KeyLookup = std::array<std::array<std::int8_t, kAsciiCount>, kStateCount>;

constexpr KeyLookup MakeKeyLookup()
{
    KeyLookup lookup{};
    for (int nState = 0; nState < kStateCount; ++nState) {
        for (unsigned ch = 0; ch < kAsciiCount; ++ch)
            lookup[nState][ch] =
                static_cast<std::int8_t>(FirstKey(static_cast<wchar_t>(ch), nState));
    }
    return lookup;
}

constexpr KeyLookup kKeyLookup = MakeKeyLookup();

template <typename Char> KeyBits TextToKeys(std::basic_string_view<Char> text)
{
    KeyBits keys = 0;
    int nState = 0;
    for (Char ch : text) {
        const auto code = static_cast<std::make_unsigned_t<Char>>(ch);
        if (code >= kAsciiCount)
            continue;
        if (code == '-') {
            nState |= kRightState;
            continue;
        }
        const int index = kKeyLookup[nState][code];
        if (index < 0)
            continue;
        keys |= KeyBit(index);
        if (index == kKeyNumberBar)
            nState |= kNumberState;
    }
    return keys;
}

} // namespace

std::wstring CStenoEncoder::KeysToSteno(KeyBits keys) const
{
    return StenoKeysToText(keys, false, false);
}

KeyBits CStenoEncoder::StenoToKeys(std::wstring_view text) const
{
    return TextToKeys(text);
}

KeyBits CStenoEncoder::StenoToKeys(std::string_view bytes) const
{
    return TextToKeys(bytes);
}

std::wstring StenoKeysToText(KeyBits keys, bool bPadded, bool bLetters)
{
    std::wstring text;
    text.reserve(kKeyCount + 1);
    AppendStenoKeysText(keys, bPadded, bLetters, text);
    return text;
}

void AppendStenoKeysText(KeyBits keys, bool bPadded, bool bLetters, std::wstring& text)
{
    std::wstring_view table = kLetterKeys;
    const auto put = [&](int index) {
        if (IsSet(keys, index))
            text.push_back(table[index]);
        else if (bPadded)
            text.push_back(L' ');
    };
    put(kKeyAt);
    if (IsSet(keys, kKeyNumberBar) && !bLetters)
        table = kNumberKeys;
    put(kKeyNumberBar);
    for (int i = kKeyLeftS; i < kFirstRightKey; ++i)
        put(i);
    if (!bPadded) {
        if ((keys & kRightHalfMask) == 0)
            return;
        text.push_back(L'-');
    }
    for (int i = kFirstRightKey; i < kKeyCount; ++i)
        put(i);
}

std::wstring StrokeText(const CStenoStroke& stroke, int nForm)
{
    switch (nForm) {
    case 0:
        return StenoKeysToText(stroke.m_keys, false, false);
    case 1:
        return StenoKeysToText(stroke.m_rawKeys, true, false);
    case 2:
        return StenoKeysToText(stroke.m_keys, false, true);
    case 3:
        return StenoKeysToText(stroke.m_rawKeys, true, true);
    default:
        return {};
    }
}
