#include "base/TextNumbers.h"

#include <gtest/gtest.h>

using namespace base;

TEST(TextNumbers, CNumberReadsAsAtoi)
{
    struct Row
    {
        const char* text;
        int nExpected;
    };
    const Row rows[] = {
        {"", 0},
        {"  -17x", -17},
        {"\t\n\v\f\r 3:", 3},
        {"- 5", 0},
        {"2147483647", 2147483647},
        {"2147483648", -2147483647 - 1}, // strtol's long, cut to int
        {"4294967301", 5},
        {"99999999999999999999", -1}, // saturates at LONG_MAX
        {"-99999999999999999999", 0}, // saturates at LONG_MIN
    };
    for (const Row& row : rows)
        EXPECT_EQ(ParseCNumber(row.text), row.nExpected) << '"' << row.text << '"';
}

TEST(TextNumbers, StrToIntSkipsNothingAndWraps)
{
    struct Row
    {
        const char* text;
        std::int32_t nExpected;
    };
    const Row rows[] = {
        {"", 0},           {" 5", 0},    {"+5", 0},
        {"-5", -5},        {"12a3", 12}, {"4294967295", -1},
        {"4294967296", 0}, {"--3", 0},   {"2147483648", -2147483647 - 1},
        {"5,6", 5},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ParseStrToInt(std::string_view(row.text)), row.nExpected)
            << '"' << row.text << '"';
}

// Every length of digit run, stopped by each kind of byte, with the end of the
// text right after the stop or far behind it, against a digit-by-digit reading.
TEST(TextNumbers, StrToIntReadsEveryLengthAndStop)
{
    const std::string digits = "9876543210123456789098765";
    const char stops[] = {' ', ',', '}', '/', ':', 'x', '\0', '\xB0', '\xFF'};
    for (std::size_t nDigits = 0; nDigits <= 24; ++nDigits) {
        for (char stop : stops) {
            for (std::size_t nAfter : {0, 1, 20}) {
                const std::string text =
                    "-" + digits.substr(0, nDigits) + stop + std::string(nAfter, '7');
                std::uint32_t nExpected = 0;
                for (std::size_t i = 0; i < nDigits; ++i)
                    nExpected = nExpected * 10 + static_cast<std::uint32_t>(digits[i] - '0');
                const char* p = text.data();
                const std::int32_t nValue = ParseStrToInt(p, text.data() + text.size());
                EXPECT_EQ(nValue, static_cast<std::int32_t>(0u - nExpected)) << text;
                EXPECT_EQ(p - text.data(), static_cast<std::ptrdiff_t>(nDigits + 1)) << text;
            }
        }
    }
}

TEST(TextNumbers, StrToIntStopsAtTheEndGiven)
{
    const std::string_view text = "123456";
    const char* p = text.data();
    EXPECT_EQ(ParseStrToInt(p, text.data() + 3), 123);
    EXPECT_EQ(p, text.data() + 3);
}
