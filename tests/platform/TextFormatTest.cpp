#include "platform/core/TextFormat.h"
#include "platform/core/ColorRef.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(TextFormat, AmpersandUnderlinesTheNextCharacter)
{
    struct Case
    {
        std::wstring strIn;
        std::wstring strText;
        int nUnderline;
    };
    const Case cases[] = {
        {L"Replace &All", L"Replace All", 8},
        {L"&07", L"07", 0},
        {L"0&7", L"07", 1},
        {L"a && b", L"a & b", -1},
        {L"&&&x", L"&x", 1},
        {L"end&", L"end", -1},
        {L"&a&b", L"ab", 1},
        {L"", L"", -1},
    };
    for (const Case& c : cases) {
        const PrefixedText result = ResolvePrefix(c.strIn);
        EXPECT_EQ(result.strText, c.strText);
        EXPECT_EQ(result.nUnderline, c.nUnderline);
    }
}

TEST(ColorRef, ComponentsAreInBlueGreenRedOrder)
{
    static_assert(Rgb(120, 120, 120) == 0x787878);
    static_assert(Rgb(0x12, 0x34, 0x56) == 0x563412);
    EXPECT_EQ(RedOf(0x563412), 0x12);
    EXPECT_EQ(GreenOf(0x563412), 0x34);
    EXPECT_EQ(BlueOf(0x563412), 0x56);
}
