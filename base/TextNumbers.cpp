#include "base/TextNumbers.h"

#include <limits>

namespace base {

namespace {

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

bool IsCSpace(char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

} // namespace

int ParseCNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool bNegative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        bNegative = text[i++] == '-';
    // Magnitudes beyond 2^63 saturate as strtol does.
    constexpr std::uint64_t kLimit = std::uint64_t{1} << 63;
    std::uint64_t nMagnitude = 0;
    // Once saturated no digit changes the value: a malformed file's endless
    // digits are not read to their end.
    for (; i < text.size() && IsDigit(text[i]) && nMagnitude != kLimit; ++i) {
        const auto nDigit = static_cast<std::uint64_t>(text[i] - '0');
        nMagnitude = nMagnitude > (kLimit - nDigit) / 10 ? kLimit : nMagnitude * 10 + nDigit;
    }
    long nValue = 0;
    if (bNegative)
        nValue = nMagnitude == kLimit ? std::numeric_limits<long>::min()
                                      : -static_cast<long>(nMagnitude);
    else
        nValue =
            nMagnitude >= kLimit ? std::numeric_limits<long>::max() : static_cast<long>(nMagnitude);
    return static_cast<int>(nValue);
}

} // namespace base
