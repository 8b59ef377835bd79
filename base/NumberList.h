#pragma once
// Reads a list of numbers in the form writers give a stroke's key groups a
// line at a time, sixteen bytes a step, rather than a digit at a time. It
// needs the processor's 16-byte lanes (SSE2); elsewhere it reads nothing and
// the token rules, which are then as quick, read every list.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace base {

/// Bytes readable before and after a text given to ParseStrToIntList.
inline constexpr std::size_t kNumberListMargin = 64;

/// Whether ParseStrToIntList reads lists on this processor at all.
inline constexpr bool kReadsNumberLists =
#if defined(__SSE2__) || defined(_M_X64)
    true;
#else
    false;
#endif

/// Reads text that is exactly nCount (up to 48) numbers, each an optional '-'
/// and 1 to 16 digits, with a single separator between two numbers:
/// evenSeparator after the first, third ... number, oddSeparator after the
/// others. Each number is read as ParseStrToInt reads it. False, with values
/// left as they are, for any other text. Reads run into kNumberListMargin
/// bytes on either side of the text.
bool ParseStrToIntList(std::string_view text, std::int32_t* pValues, std::size_t nCount,
                       char evenSeparator, char oddSeparator);

} // namespace base
