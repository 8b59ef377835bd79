#pragma once
// Conversion between the 8-bit text of stroke files and the program's wide text,
// with Windows-1252 as the code page. Neither direction fails: the five bytes
// 1252 leaves undefined map to the C1 code points of the same value, and a wide
// character without a 1252 byte becomes '?'.

#include <string>
#include <string_view>

namespace base {

wchar_t AnsiCharToWide(char ch);
char WideCharToAnsi(wchar_t ch);

/// Converts into text, reusing its storage.
void AnsiToWide(std::string_view bytes, std::wstring& text);
std::wstring AnsiToWide(std::string_view bytes);

/// Converts into bytes, reusing their storage.
void WideToAnsi(std::wstring_view text, std::string& bytes);
std::string WideToAnsi(std::wstring_view text);

} // namespace base
