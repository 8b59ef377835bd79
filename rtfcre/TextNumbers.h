#pragma once
// The two ways numbers are read from a stroke file's text.

#include <cstdint>
#include <string_view>

namespace rtfcre {

/// As the C library's atoi: leading white space, a sign, digits; a value too
/// large for a long saturates, then keeps the low 32 bits. No digits give 0.
int ParseCNumber(std::string_view text);

/// As StrToIntW: an optional '-', digits, nothing skipped; wraps modulo 2^32.
std::int32_t ParseStrToInt(std::string_view text);

} // namespace rtfcre
