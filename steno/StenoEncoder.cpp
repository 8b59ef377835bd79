#include "steno/StenoEncoder.h"

#include "steno/StenoStroke.h"

using namespace steno;

namespace {

constexpr int kControlBooleanProperty = 7;

bool IsSet(KeyBits keys, int index)
{
    return (keys & KeyBit(index)) != 0;
}

// Keys that are only read on one side of the hyphen, or with the number bar.
bool LeftOnly(int index)
{
    return index == kKeyLeftS || index == kKeyLeftT || index == kKeyLeftP || index == kKeyLeftR;
}

bool RightOnly(int index)
{
    return index == kKeyRightR || index == kKeyRightS;
}

bool RightOrNumber(int index)
{
    return index == kKeyRightP || index == kKeyRightT;
}

bool KeyAccepts(int index, bool bRight, bool bNumber)
{
    if (LeftOnly(index))
        return !bRight;
    if (RightOnly(index))
        return bRight;
    if (RightOrNumber(index))
        return bRight || bNumber;
    return true;
}

} // namespace

std::int32_t CStenoEncoder::AttachControl(IStenoControl* pControl)
{
    m_pControl = pControl;
    return m_pControl && m_pControl->GetBooleanProperty(kControlBooleanProperty) ? 1 : 0;
}

std::int32_t CStenoEncoder::PutStenoText(std::wstring_view text)
{
    return PutStroke(SearchKeys(text));
}

std::int32_t CStenoEncoder::Reserved2(std::int32_t, std::int32_t, std::int32_t)
{
    return 0;
}

std::int32_t CStenoEncoder::PutStroke(KeyBits)
{
    return 0;
}

void CStenoEncoder::Reserved6(std::int32_t) {}

std::wstring CStenoEncoder::KeysToSteno(KeyBits keys) const
{
    return StenoKeysToText(keys, false, false);
}

KeyBits CStenoEncoder::StenoToKeys(std::wstring_view text) const
{
    KeyBits keys = 0;
    bool bRight = false;
    bool bNumber = false;
    for (wchar_t ch : text) {
        if (ch == L'-') {
            bRight = true;
            continue;
        }
        const std::wstring_view table = bNumber ? kNumberKeys : kLetterKeys;
        for (int i = 0; i < kKeyCount; ++i) {
            if (table[i] != ch || !KeyAccepts(i, bRight, bNumber))
                continue;
            keys |= KeyBit(i);
            if (i == kKeyNumberBar)
                bNumber = true;
            break;
        }
    }
    return keys;
}

KeyBits CStenoEncoder::SearchKeys(std::wstring_view text)
{
    const auto hyphen = text.find(L'-');
    const bool bHyphen = hyphen != std::wstring_view::npos;
    KeyBits keys = 0;
    bool bNumber = false;
    for (int i = 0; i < kKeyCount; ++i) {
        const wchar_t letter = kLetterKeys[i];
        const wchar_t digit = kNumberKeys[i];
        const auto at = text.find(letter);
        bool bSet = false;
        if (at != std::wstring_view::npos) {
            const bool bRightKey = i >= kFirstRightKey;
            bSet = (!bHyphen && (!bNumber || bRightKey)) ||
                   (bHyphen && at < hyphen && !bRightKey && !bNumber) ||
                   (bHyphen && at > hyphen && bRightKey);
        }
        const bool bDigitSeen = digit != letter && text.find(digit) != std::wstring_view::npos;
        if (!bSet)
            bSet = bDigitSeen;
        if (!bSet)
            continue;
        keys |= KeyBit(i);
        if (bDigitSeen && !bNumber) {
            bNumber = true;
            keys |= KeyBit(kKeyNumberBar);
        }
    }
    return keys;
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
