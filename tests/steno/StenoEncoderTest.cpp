#include "steno/StenoEncoder.h"
#include "steno/StenoStroke.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace steno;

namespace {

KeyBits Keys(std::initializer_list<int> indexes)
{
    KeyBits keys = 0;
    for (int i : indexes)
        keys |= KeyBit(i);
    return keys;
}

const CStenoEncoder kEncoder;

} // namespace

TEST(KeysToSteno, EveryKeyValueSurvivesTheRoundTrip)
{
    // The whole key space is small enough to check exhaustively; one reused
    // buffer keeps it quick under the sanitizers.
    KeyBits firstFailure = 0;
    unsigned failures = 0;
    std::wstring text;
    for (KeyBits keys = 0; keys <= kAllKeysMask; ++keys) {
        text.clear();
        AppendStenoKeysText(keys, false, false, text);
        if (kEncoder.StenoToKeys(text) != keys && failures++ == 0)
            firstFailure = keys;
    }
    EXPECT_EQ(failures, 0u) << "first failing value 0x" << std::hex << firstFailure;
}

struct TextCase
{
    KeyBits keys;
    const wchar_t* text;
};

class KeysToStenoForms : public testing::TestWithParam<TextCase>
{
};

TEST_P(KeysToStenoForms, WritesTheCompactForm)
{
    EXPECT_EQ(kEncoder.KeysToSteno(GetParam().keys), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Steno, KeysToStenoForms,
    testing::Values(TextCase{0, L""}, TextCase{Keys({kKeyStar}), L"*"},
                    TextCase{Keys({kKeyK, kKeyA, kKeyRightT}), L"KA-T"},
                    TextCase{Keys({kKeyH, kKeyE, kKeyU}), L"H-EU"}, TextCase{Keys({kKeyF}), L"-F"},
                    TextCase{Keys({kKeyA, kKeyE}), L"A-E"}, TextCase{Keys({kKeyNumberBar}), L"#"},
                    TextCase{Keys({kKeyNumberBar, kKeyRightP}), L"#-7"},
                    TextCase{Keys({kKeyNumberBar, kKeyLeftS, kKeyRightT}), L"#1-9"},
                    TextCase{Keys({kKeyAt, kKeyNumberBar, kKeyA, kKeyO}), L"@#50"},
                    TextCase{kAllKeysMask, L"@#12K3W4R50*-EU6R7B8G9SDZ"}));

struct ParseCase
{
    const wchar_t* text;
    KeyBits keys;
};

class StenoToKeysParsing : public testing::TestWithParam<ParseCase>
{
};

TEST_P(StenoToKeysParsing, ReadsTheKeys)
{
    EXPECT_EQ(kEncoder.StenoToKeys(GetParam().text), GetParam().keys) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Steno, StenoToKeysParsing,
    testing::Values(ParseCase{L"", 0}, ParseCase{L"-", 0}, ParseCase{L"xyz!", 0},
                    // Without a hyphen S, T, P and R stay on the left bank.
                    ParseCase{L"KAT", Keys({kKeyK, kKeyA, kKeyLeftT})},
                    // A letter of one bank only is taken for that key wherever it stands.
                    ParseCase{L"-K", Keys({kKeyK})}, ParseCase{L"A-E", Keys({kKeyA, kKeyE})},
                    ParseCase{L"#S", Keys({kKeyNumberBar})},
                    // After the number bar 7 and 9 are -P and -T even before a hyphen.
                    ParseCase{L"#79", Keys({kKeyNumberBar, kKeyRightP, kKeyRightT})},
                    // Digits before any number bar are skipped.
                    ParseCase{L"12-T", Keys({kKeyRightT})},
                    // Vowels and the asterisk do not bring the side back to the left.
                    ParseCase{L"-E*S", Keys({kKeyE, kKeyStar, kKeyRightS})},
                    ParseCase{L"SKWR-RBGS", Keys({kKeyLeftS, kKeyK, kKeyW, kKeyLeftR, kKeyRightR,
                                                  kKeyB, kKeyG, kKeyRightS})}));

TEST(StenoKeysToText, PaddedFormsAreAlwaysTwentyFourCharacters)
{
    EXPECT_EQ(StenoKeysToText(0, true, false), std::wstring(24, L' '));
    EXPECT_EQ(StenoKeysToText(kAllKeysMask, true, true), L"@#STKPWHRAO*EUFRPBLGTSDZ");
    EXPECT_EQ(StenoKeysToText(kAllKeysMask, true, false), L"@#12K3W4R50*EU6R7B8G9SDZ");
    EXPECT_EQ(StenoKeysToText(Keys({kKeyNumberBar, kKeyZ}), true, false),
              L" #                     Z");
}

TEST(StenoKeysToText, UnpaddedLettersKeepTheLetterFormUnderTheNumberBar)
{
    const KeyBits keys = Keys({kKeyNumberBar, kKeyLeftS, kKeyRightT});
    EXPECT_EQ(StenoKeysToText(keys, false, true), L"#S-T");
    EXPECT_EQ(StenoKeysToText(keys, false, false), kEncoder.KeysToSteno(keys));
}

TEST(StrokeText, FormsPickTheFieldAndTheTable)
{
    CStenoStroke stroke;
    stroke.m_keys = Keys({kKeyNumberBar, kKeyLeftT});
    stroke.m_rawKeys = Keys({kKeyNumberBar, kKeyH});
    EXPECT_EQ(StrokeText(stroke, 0), L"#2");
    EXPECT_EQ(StrokeText(stroke, 1), L" #     4                ");
    EXPECT_EQ(StrokeText(stroke, 2), L"#T");
    EXPECT_EQ(StrokeText(stroke, 3), L" #     H                ");
    EXPECT_EQ(StrokeText(stroke, 4), L"");
    EXPECT_EQ(StrokeText(stroke, -1), L"");
}

TEST(KeySearch, LettersAroundTheHyphen)
{
    // No hyphen: every letter is taken at its first match, left and right keys alike.
    EXPECT_EQ(CStenoEncoder::SearchKeys(L"KAT"), Keys({kKeyK, kKeyA, kKeyLeftT, kKeyRightT}));
    // Before the hyphen only left keys, after it only right keys; a letter is
    // judged by its first occurrence only, so the second T of "T-T" is not seen.
    EXPECT_EQ(CStenoEncoder::SearchKeys(L"-T"), Keys({kKeyRightT}));
    EXPECT_EQ(CStenoEncoder::SearchKeys(L"T-T"), Keys({kKeyLeftT}));
    EXPECT_EQ(CStenoEncoder::SearchKeys(L"-E"), Keys({kKeyE}));
}

TEST(KeySearch, ADigitTurnsTheNumberBarOn)
{
    // "1" is S- in the number form; once the number flag is on, letters left of
    // the hyphen are no longer taken.
    EXPECT_EQ(CStenoEncoder::SearchKeys(L"1"), Keys({kKeyNumberBar, kKeyLeftS}));
    EXPECT_EQ(CStenoEncoder::SearchKeys(L"1K-"), Keys({kKeyNumberBar, kKeyLeftS}));
    EXPECT_EQ(CStenoEncoder::SearchKeys(L"1-Z"), Keys({kKeyNumberBar, kKeyLeftS, kKeyZ}));
}
