#include "steno/StenoChords.h"
#include "steno/StenoEncoder.h"

#include <gtest/gtest.h>

using namespace steno;

TEST(StenoChords, EachCharacterHasAChordForEitherSide)
{
    struct Case
    {
        wchar_t ch;
        const wchar_t* left;
        const wchar_t* right;
    };
    const Case cases[] = {
        {L'A', L"-A", L"-A"},   {L'C', L"KR", L"-BG"},      {L'H', L"H", L""},
        {L'W', L"W", L"-BGSZ"}, {L'.', L"-FPLT", L"-FPLT"}, {L'?', L"STPH", L"STPH"},
        {L'7', L"7", L"7"},     {L'g', L"TKPW", L"-G"},     {L'!', L"", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChordText(c.ch, true), c.left) << static_cast<char>(c.ch);
        EXPECT_EQ(ChordText(c.ch, false), c.right) << static_cast<char>(c.ch);
    }
}

TEST(StenoChords, TypedCharactersToggleTheKeysOfTheirChord)
{
    struct Case
    {
        const wchar_t* pszChars;
        const char* pszSides; ///< L or R for each character
        const wchar_t* pszSteno;
    };
    const Case cases[] = {
        {L"G", "L", L"TKPW"},
        {L"J", "R", L"-PBLG"},
        {L"GB", "LL", L"TK"}, // keys the stroke already has switch off
        {L"GG", "LL", L""},
        // The hyphen inside "-A" does not move the typist's side.
        {L"GAS", "LLR", L"TKPWA-S"},
        {L"SH", "LR", L"S"}, // H has no right-side chord
        // Digits set the number bar and toggle their key; the bar stays.
        {L"19", "LL", L"#1-9"},
        {L"6", "R", L"#-6"},
        {L"00", "LL", L"#"},
        {L"#@*", "LLL", L"@#*"},
        {L"*", "R", L"*"},
        {L"?", "R", L"STPH"}, // always on the left
    };
    const CStenoEncoder encoder;
    for (const Case& c : cases) {
        KeyBits keys = 0;
        for (std::size_t i = 0; c.pszChars[i] != L'\0'; ++i)
            keys = ApplyTypedCharacter(keys, c.pszChars[i], c.pszSides[i] == 'L');
        EXPECT_EQ(encoder.KeysToSteno(keys), c.pszSteno) << c.pszSides;
    }
}

TEST(StenoChords, KeysGiveCharacters)
{
    struct Case
    {
        unsigned vk;
        bool bShift;
        wchar_t ch;
    };
    const Case cases[] = {
        {'2', true, L'@'},
        {'7', true, L'?'},
        {0xBF, true, L'?'},
        {0xBE, true, L'.'},
        {'A', false, L'A'},
        {0x61, false, L'a'},
        {0x23, false, L'#'},
        // Unshifted 2 and slash, other digits and other keys give nothing.
        {'2', false, 0},
        {0xBF, false, 0},
        {'1', false, 0},
        {0x7B, false, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TypedKeyCharacter(c.vk, c.bShift), c.ch) << std::hex << c.vk << " " << c.bShift;
}
