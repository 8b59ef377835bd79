#pragma once
// File names between the program's wide text and the system's byte paths.
// The standard library converts wide paths with the C locale, which fails on
// any non-ASCII name. File names are taken as UTF-8; a name that is not keeps
// its other bytes as escapes, so that every name converts to wide text and
// back to the very same bytes.

#include <filesystem>
#include <string>
#include <string_view>

namespace base {

/// What separates the folders of a path in the program's wide file names.
inline constexpr wchar_t kPathSeparator = L'/';

/// The path for a wide file name, encoded as UTF-8; the escapes WideFromPath
/// makes become their bytes again, any other lone surrogate U+FFFD.
std::filesystem::path PathFromWide(std::wstring_view name);

/// The wide file name of a path; each byte that is not part of valid UTF-8
/// becomes the lone surrogate U+DC00 + byte (U+DC80 ... U+DCFF).
std::wstring WideFromPath(const std::filesystem::path& path);

} // namespace base
