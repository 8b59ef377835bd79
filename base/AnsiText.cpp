#include "base/AnsiText.h"

#include <array>
#include <cstdint>

namespace base {

namespace {

// 0x80 ... 0x9F; the undefined bytes keep their own value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr unsigned kFirstHigh = 0x80;
constexpr unsigned kFirstLatin = 0xA0;
constexpr unsigned kLastByte = 0xFF;

} // namespace

wchar_t AnsiCharToWide(char ch)
{
    const auto byte = static_cast<unsigned char>(ch);
    if (byte >= kFirstHigh && byte < kFirstLatin)
        return static_cast<wchar_t>(kHighControls[byte - kFirstHigh]);
    return static_cast<wchar_t>(byte);
}

char WideCharToAnsi(wchar_t ch)
{
    const auto code = static_cast<std::uint32_t>(ch);
    if (code < kFirstHigh || (code >= kFirstLatin && code <= kLastByte))
        return static_cast<char>(code);
    for (unsigned i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == code)
            return static_cast<char>(kFirstHigh + i);
    }
    return '?';
}

void AnsiToWide(std::string_view bytes, std::wstring& text)
{
    text.resize(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        text[i] = AnsiCharToWide(bytes[i]);
}

std::wstring AnsiToWide(std::string_view bytes)
{
    std::wstring text;
    AnsiToWide(bytes, text);
    return text;
}

void WideToAnsi(std::wstring_view text, std::string& bytes)
{
    bytes.resize(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        bytes[i] = WideCharToAnsi(text[i]);
}

std::string WideToAnsi(std::wstring_view text)
{
    std::string bytes;
    WideToAnsi(text, bytes);
    return bytes;
}

} // namespace base
