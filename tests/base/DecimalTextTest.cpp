#include "base/DecimalText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <random>
#include <string>
#include <vector>

using namespace base;

namespace {

/// PutDecimal's text and whether it stored nothing beyond its room.
std::pair<std::string, bool> Put(std::int32_t nValue)
{
    char buffer[2 * kDecimalRoom];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    const char* pEnd = PutDecimal(buffer, nValue);
    const bool bInRoom =
        std::string(buffer + kDecimalRoom, kDecimalRoom) == std::string(kDecimalRoom, 'x');
    return {std::string(buffer, static_cast<std::size_t>(pEnd - buffer)), bInRoom};
}

std::string Printed(std::int32_t nValue)
{
    char buffer[16];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, nValue).ptr);
}

} // namespace

// Every length and sign, both ends of the range, the digit counts around each
// power of ten, and values drawn at random all print as "%d" prints them.
TEST(DecimalText, PrintsAsPrintfDoes)
{
    std::vector<std::int32_t> values = {0, -1, 2147483647, -2147483647 - 1};
    for (std::int64_t nPower = 1; nPower <= 1000000000; nPower *= 10) {
        for (std::int64_t nValue : {nPower - 1, nPower, nPower + 1}) {
            values.push_back(static_cast<std::int32_t>(nValue));
            values.push_back(static_cast<std::int32_t>(-nValue));
        }
    }
    std::mt19937 random(7);
    for (int i = 0; i < 100000; ++i)
        values.push_back(static_cast<std::int32_t>(random() >> (random() % 32)) * (i % 2 ? 1 : -1));
    for (std::int32_t nValue : values) {
        const auto [text, bInRoom] = Put(nValue);
        ASSERT_EQ(text, Printed(nValue));
        ASSERT_TRUE(bInRoom) << nValue;
    }
}
