#include "steno/StenoChords.h"

#include <array>

namespace steno {
namespace {

struct ChordRow
{
    wchar_t ch;
    std::wstring_view left;
    std::wstring_view right;
};

constexpr std::array<ChordRow, 34> kChords{{
    {L'A', L"-A", L"-A"},       {L'B', L"PW", L"-B"},     {L'C', L"KR", L"-BG"},
    {L'D', L"TK", L"-D"},       {L'E', L"-E", L"-E"},     {L'F', L"TP", L"-F"},
    {L'G', L"TKPW", L"-G"},     {L'H', L"H", L""},        {L'I', L"PW", L"-B"},
    {L'J', L"SKWR", L"-PBLG"},  {L'K', L"K", L"-BG"},     {L'L', L"HR", L"-L"},
    {L'M', L"PH", L"-PL"},      {L'N', L"TPH", L"-PB"},   {L'O', L"-O", L"-O"},
    {L'P', L"P", L"-P"},        {L'Q', L"KW", L""},       {L'R', L"R", L"-R"},
    {L'S', L"S", L"-S"},        {L'T', L"T", L"-T"},      {L'U', L"-U", L"-U"},
    {L'V', L"SR", L"-F"},       {L'W', L"W", L"-BGSZ"},   {L'X', L"KP", L"-BGS"},
    {L'Y', L"KWR", L"-BGSZ"},   {L'Z', L"SWR", L"-Z"},    {L'#', L"#", L"#"},
    {L'@', L"@", L"@"},         {L'*', L"*", L"*"},       {L'.', L"-FPLT", L"-FPLT"},
    {L',', L"-RGBS", L"-RGBS"}, {L'?', L"STPH", L"STPH"},
}};

constexpr std::wstring_view kDigits = L"0123456789";
// The key each digit toggles: 0 O, 1 S-, 2 T-, 3 P-, 4 H-, 5 A, 6 -F, 7 -P, 8 -L, 9 -T.
constexpr std::array<int, 10> kDigitKeys{kKeyO, kKeyLeftS, kKeyLeftT,  kKeyLeftP, kKeyH,
                                         kKeyA, kKeyF,     kKeyRightP, kKeyL,     kKeyRightT};

} // namespace

wchar_t TypedKeyCharacter(unsigned vk, bool bShift)
{
    constexpr unsigned kComma = 0xBC, kPeriod = 0xBE, kSlash = 0xBF;
    if (bShift) {
        switch (vk) {
        case '2':
            return L'@';
        case '3':
            return L'#';
        case '7':
        case kSlash:
            return L'?';
        case '8':
            return L'*';
        default:
            break;
        }
    }
    if (vk == kComma)
        return L',';
    if (vk == kPeriod)
        return L'.';
    if ((vk >= 'A' && vk <= 'Z') || (vk >= 0x61 && vk <= 0x7A) || vk == '0')
        return static_cast<wchar_t>(vk);
    if (vk == 0x23 || vk == 0x2A || vk == 0x2C || vk == 0x3F || vk == 0x40)
        return static_cast<wchar_t>(vk);
    return 0;
}

std::wstring_view ChordText(wchar_t ch, bool bLeft)
{
    if (ch >= L'0' && ch <= L'9')
        return kDigits.substr(static_cast<std::size_t>(ch - L'0'), 1);
    const wchar_t upper = (ch >= L'a' && ch <= L'z') ? static_cast<wchar_t>(ch - L'a' + L'A') : ch;
    for (const ChordRow& row : kChords) {
        if (row.ch == upper)
            return bLeft ? row.left : row.right;
    }
    return {};
}

KeyBits ApplyChord(KeyBits keys, std::wstring_view chord, bool bLeft)
{
    for (wchar_t ch : chord) {
        if (ch == L'-') {
            bLeft = false;
            continue;
        }
        if (ch >= L'0' && ch <= L'9') {
            keys |= KeyBit(kKeyNumberBar);
            keys ^= KeyBit(kDigitKeys[static_cast<std::size_t>(ch - L'0')]);
            continue;
        }
        const int index = LetterKeyIndex(ch, !bLeft);
        if (index >= 0)
            keys ^= KeyBit(index);
    }
    return keys;
}

KeyBits ApplyTypedCharacter(KeyBits keys, wchar_t ch, bool bLeft)
{
    const bool bSide = ch == L'?' ? true : bLeft;
    return ApplyChord(keys, ChordText(ch, bSide), bSide);
}

} // namespace steno
