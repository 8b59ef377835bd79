#include "steno/StenoChords.h"
#include "steno/StenoEncoder.h"

#include <gtest/gtest.h>

#include <string>

using namespace steno;

namespace {

const CStenoEncoder kEncoder;

// Types characters one after another on a fixed side and returns the steno text.
std::wstring Typed(std::wstring_view chars, bool bLeft, KeyBits keys = 0)
{
    for (wchar_t ch : chars)
        keys = ApplyTypedCharacter(keys, ch, bLeft);
    return kEncoder.KeysToSteno(keys);
}

} // namespace

struct ChordRowCase
{
    wchar_t ch;
    const wchar_t* left;
    const wchar_t* right;
};

class ChordTable : public testing::TestWithParam<ChordRowCase>
{
};

TEST_P(ChordTable, RowGivesBothSides)
{
    const auto& row = GetParam();
    EXPECT_EQ(ChordText(row.ch, true), row.left) << static_cast<char>(row.ch);
    EXPECT_EQ(ChordText(row.ch, false), row.right) << static_cast<char>(row.ch);
}

INSTANTIATE_TEST_SUITE_P(
    Steno, ChordTable,
    testing::Values(ChordRowCase{L'A', L"-A", L"-A"}, ChordRowCase{L'C', L"KR", L"-BG"},
                    ChordRowCase{L'H', L"H", L""}, ChordRowCase{L'W', L"W", L"-BGSZ"},
                    ChordRowCase{L'.', L"-FPLT", L"-FPLT"}, ChordRowCase{L'?', L"STPH", L"STPH"},
                    ChordRowCase{L'7', L"7", L"7"}, ChordRowCase{L'g', L"TKPW", L"-G"},
                    ChordRowCase{L'!', L"", L""}));

TEST(ApplyChord, LettersToggleTheirKeysOnTheCurrentSide)
{
    EXPECT_EQ(Typed(L"G", true), L"TKPW");
    EXPECT_EQ(Typed(L"J", false), L"-PBLG");
    // A chord that shares keys with the stroke switches exactly those keys.
    EXPECT_EQ(Typed(L"GB", true), L"TK");
    EXPECT_EQ(Typed(L"GG", true), L"");
}

TEST(ApplyChord, SideChangesWithinAChordAreLocal)
{
    // G, then A, then S on the right: the hyphen inside "-A" does not move the caller's side.
    KeyBits keys = ApplyTypedCharacter(0, L'G', true);
    keys = ApplyTypedCharacter(keys, L'A', true);
    keys = ApplyTypedCharacter(keys, L'S', false);
    EXPECT_EQ(kEncoder.KeysToSteno(keys), L"TKPWA-S");
    EXPECT_EQ(Typed(L"S", true), L"S");
}

TEST(ApplyChord, EmptyRightSideRowsChangeNothing)
{
    EXPECT_EQ(ApplyTypedCharacter(KeyBit(kKeyK), L'H', false), KeyBit(kKeyK));
}

TEST(ApplyChord, DigitsSetTheNumberBarAndToggleTheirKey)
{
    const KeyBits once = ApplyTypedCharacter(0, L'0', true);
    EXPECT_EQ(once, KeyBit(kKeyNumberBar) | KeyBit(kKeyO));
    EXPECT_EQ(ApplyTypedCharacter(once, L'0', true), KeyBit(kKeyNumberBar));
    EXPECT_EQ(Typed(L"19", true), L"#1-9");
    EXPECT_EQ(Typed(L"6", false), L"#-6");
}

TEST(ApplyChord, SymbolsToggleTheirKeys)
{
    EXPECT_EQ(ApplyChord(0, L"#@*", true),
              KeyBit(kKeyNumberBar) | KeyBit(kKeyAt) | KeyBit(kKeyStar));
    EXPECT_EQ(ApplyChord(KeyBit(kKeyStar), L"*", false), 0u);
}

struct KeyCase
{
    unsigned vk;
    bool bShift;
    wchar_t ch;
};

class TypedKeys : public testing::TestWithParam<KeyCase>
{
};

TEST_P(TypedKeys, KeyGivesCharacter)
{
    const auto& c = GetParam();
    EXPECT_EQ(TypedKeyCharacter(c.vk, c.bShift), c.ch) << std::hex << c.vk << " shift " << c.bShift;
}

INSTANTIATE_TEST_SUITE_P(
    Steno, TypedKeys,
    testing::Values(KeyCase{'2', true, L'@'}, KeyCase{'7', true, L'?'}, KeyCase{0xBF, true, L'?'},
                    KeyCase{0xBE, true, L'.'}, KeyCase{'A', false, L'A'},
                    KeyCase{0x61, false, L'a'}, KeyCase{0x23, false, L'#'},
                    // Unshifted 2 and slash, other digits and other keys give nothing.
                    KeyCase{'2', false, 0}, KeyCase{0xBF, false, 0}, KeyCase{'1', false, 0},
                    KeyCase{0x7B, false, 0}));
