#pragma once
// The two ways numbers are read from a stroke file's text.

#include <cstdint>
#include <string_view>

namespace base {

/// As the C library's atoi: leading white space, a sign, digits; a value too
/// large for a long saturates, then keeps the low 32 bits. No digits give 0.
int ParseCNumber(std::string_view text);

/// As StrToIntW: an optional '-', digits, nothing skipped; wraps modulo 2^32.
/// Reads from p up to end and leaves p after the last character read. Inline:
/// a file holds 72 of these numbers a stroke.
inline std::int32_t ParseStrToInt(const char*& p, const char* end)
{
    const bool bNegative = p != end && *p == '-';
    if (bNegative)
        ++p;
    std::uint32_t nValue = 0;
    for (; p != end; ++p) {
        const auto nDigit = static_cast<std::uint32_t>(static_cast<unsigned char>(*p) - '0');
        if (nDigit > 9)
            break;
        nValue = nValue * 10 + nDigit;
    }
    return static_cast<std::int32_t>(bNegative ? 0u - nValue : nValue);
}

inline std::int32_t ParseStrToInt(std::string_view text)
{
    const char* p = text.data();
    return ParseStrToInt(p, text.data() + text.size());
}

} // namespace base
