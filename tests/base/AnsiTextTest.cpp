#include "base/AnsiText.h"

#include <gtest/gtest.h>

using namespace base;

TEST(AnsiText, EveryByteSurvivesTheRoundTrip)
{
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes.push_back(static_cast<char>(i));
    const std::wstring text = AnsiToWide(bytes);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(WideToAnsi(text), bytes);
}

TEST(AnsiText, HighControlsFollowTheCodePage)
{
    struct Row
    {
        unsigned char byte;
        wchar_t ch;
    };
    const Row rows[] = {
        {0x41, L'A'},      {0x80, L'\u20AC'}, {0x81, L'\u0081'}, {0x8A, L'\u0160'},
        {0x8D, L'\u008D'}, {0x8F, L'\u008F'}, {0x90, L'\u0090'}, {0x93, L'\u201C'},
        {0x99, L'\u2122'}, {0x9D, L'\u009D'}, {0x9F, L'\u0178'}, {0xA0, L'\u00A0'},
        {0xE9, L'\u00E9'}, {0xFF, L'\u00FF'},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(AnsiCharToWide(static_cast<char>(row.byte)), row.ch) << int(row.byte);
        EXPECT_EQ(static_cast<unsigned char>(WideCharToAnsi(row.ch)), row.byte) << int(row.byte);
    }
}

TEST(AnsiText, CharactersWithoutAByteBecomeQuestionMarks)
{
    EXPECT_EQ(WideToAnsi(L"A\u0100\u4E2D\U0001F600\u0080\u009Bz"), "A?????z");
}

TEST(AnsiText, ConversionReusesTheTarget)
{
    std::wstring text = L"a much longer text than the next one";
    AnsiToWide("KA-T", text);
    EXPECT_EQ(text, L"KA-T");
    std::string bytes = "leftover";
    WideToAnsi(L"", bytes);
    EXPECT_TRUE(bytes.empty());
}
