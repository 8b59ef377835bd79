#include "base/NumberList.h"
#include "base/TextNumbers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace base;

// The line-at-a-time reading of a number list takes exactly the texts of the
// writer's form and reads them as the token rules would; any other text is
// left to the token rules.
TEST(NumberList, TakesOnlyTheWritersForm)
{
    std::string pairs;
    for (int i = 0; i < 24; ++i)
        pairs += (i ? " " : "") + std::to_string(-i * 98765431LL) + "," + std::to_string(i * 7);
    const std::string sixteen = "1234567890123456";
    const auto replaced = [](std::string text, std::size_t at, const char* piece) {
        return text.replace(at, 1, piece);
    };
    struct Row
    {
        std::string text;
        std::size_t nCount;
        bool bTaken;
    };
    const Row rows[] = {
        {pairs, 48, true},
        {"-" + sixteen + " " + sixteen + std::string(50, '9') + " 0", 3, false}, // 66 digits
        {"-" + sixteen + " " + sixteen + " 0", 3, true},
        {sixteen + "7 1 2", 3, false}, // a 17th digit
        {"5 -0 " + std::string(60, '0') + "7", 3, false},
        {"5 -0 " + std::string(15, '0') + "7", 3, true},
        {pairs, 47, false},
        {pairs, 49, false},
        {replaced(pairs, pairs.find(' '), ","), 48, false},
        {replaced(pairs, pairs.find(','), " "), 48, false},
        {replaced(pairs, pairs.find(' '), "  "), 48, false},
        {replaced(pairs, pairs.find('-'), "+"), 48, false},
        {replaced(pairs, pairs.find('-') + 1, "-"), 48, false},
        {replaced(pairs, pairs.rfind('7'), "x"), 48, false},
        {" " + pairs, 48, false},
        {pairs + " ", 48, false},
        {"-", 1, false},
        {"", 1, false},
    };
    for (const Row& row : rows) {
        // The text with margins of bytes that must not be taken for it.
        const std::string margin(kNumberListMargin, '7');
        const std::string padded = margin + row.text + margin;
        const std::string_view text =
            std::string_view(padded).substr(margin.size(), row.text.size());
        std::vector<std::int32_t> values(row.nCount, 42);
        const char separators[] = {row.text.find(',') == std::string::npos ? ' ' : ',', ' '};
        EXPECT_EQ(ParseStrToIntList(text, values.data(), row.nCount, separators[0], separators[1]),
                  row.bTaken && kReadsNumberLists)
            << row.text;
        if (!row.bTaken || !kReadsNumberLists)
            continue;
        const char* p = text.data();
        for (std::int32_t nValue : values) {
            EXPECT_EQ(nValue, ParseStrToInt(p, text.data() + text.size())) << row.text;
            ++p; // the separator
        }
    }
}
