#pragma once
// Finds the first of two bytes in one pass, where the C library would take a
// pass for each: the stroke file reader looks for a line's end or the end
// byte, a group's closing brace or the next group's opening.

#include <cstddef>

namespace base {

/// The first byte of [p, end) that is a or b; nullptr when there is none.
const char* FindEitherByte(const char* p, const char* end, char a, char b);

} // namespace base
