#pragma once
// File names between the program's wide text and the system's byte paths.
// The standard library converts wide paths with the C locale, which fails on
// any non-ASCII name; file names here are UTF-8 on disk.

#include <filesystem>
#include <string>
#include <string_view>

namespace rtfcre {

/// The path for a wide file name, encoded as UTF-8.
std::filesystem::path PathFromWide(std::wstring_view name);

/// The wide file name of a path; bytes that are not UTF-8 stand for the
/// Latin-1 characters of the same value.
std::wstring WideFromPath(const std::filesystem::path& path);

} // namespace rtfcre
