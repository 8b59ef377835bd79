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

TEST(KeysToSteno, WritesTheCompactForm)
{
    const std::pair<KeyBits, const wchar_t*> cases[] = {
        {0, L""},
        {Keys({kKeyStar}), L"*"},
        {Keys({kKeyK, kKeyA, kKeyRightT}), L"KA-T"},
        {Keys({kKeyF}), L"-F"},
        {Keys({kKeyA, kKeyE}), L"A-E"},
        {Keys({kKeyNumberBar, kKeyLeftS, kKeyRightT}), L"#1-9"},
        {Keys({kKeyAt, kKeyNumberBar, kKeyA, kKeyO}), L"@#50"},
        {kAllKeysMask, L"@#12K3W4R50*-EU6R7B8G9SDZ"},
    };
    for (const auto& [keys, text] : cases)
        EXPECT_EQ(kEncoder.KeysToSteno(keys), text);
}

TEST(StenoToKeys, ReadsTheKeys)
{
    const std::pair<const wchar_t*, KeyBits> cases[] = {
        {L"-", 0},
        {L"xyz!", 0},
        // Without a hyphen S, T, P and R stay on the left bank.
        {L"KAT", Keys({kKeyK, kKeyA, kKeyLeftT})},
        // A letter of one bank only is taken for that key wherever it stands.
        {L"-K", Keys({kKeyK})},
        {L"#S", Keys({kKeyNumberBar})},
        // After the number bar 7 and 9 are -P and -T even before a hyphen.
        {L"#79", Keys({kKeyNumberBar, kKeyRightP, kKeyRightT})},
        // Digits before any number bar are skipped.
        {L"12-T", Keys({kKeyRightT})},
        // Vowels and the asterisk do not bring the side back to the left.
        {L"-E*S", Keys({kKeyE, kKeyStar, kKeyRightS})},
    };
    for (const auto& [text, keys] : cases)
        EXPECT_EQ(kEncoder.StenoToKeys(text), keys) << text;
}

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
