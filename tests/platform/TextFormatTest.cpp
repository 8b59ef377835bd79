#include "platform/core/TextFormat.h"

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
