#include "base/FilePath.h"

#include <cstdint>

namespace base {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kLastCodePoint = 0x10FFFF;
// A byte that is not part of any UTF-8 sequence (always 0x80 or above) stands
// for the lone low surrogate kEscapeBase + byte, which no UTF-8 text decodes to.
constexpr char32_t kEscapeBase = 0xDC00;
constexpr char32_t kFirstEscape = kEscapeBase + 0x80;
constexpr char32_t kLastEscape = kEscapeBase + 0xFF;

bool IsSurrogate(char32_t code)
{
    return code >= 0xD800 && code <= 0xDFFF;
}

void AppendUtf8(std::string& bytes, char32_t code)
{
    if (code >= kFirstEscape && code <= kLastEscape) {
        bytes.push_back(static_cast<char>(code - kEscapeBase));
        return;
    }
    if (code > kLastCodePoint || IsSurrogate(code))
        code = kReplacement;
    if (code < 0x80) {
        bytes.push_back(static_cast<char>(code));
        return;
    }
    const int nFollowing = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    constexpr unsigned char kLeads[] = {0, 0xC0, 0xE0, 0xF0};
    bytes.push_back(static_cast<char>(kLeads[nFollowing] | (code >> (6 * nFollowing))));
    for (int i = nFollowing - 1; i >= 0; --i)
        bytes.push_back(static_cast<char>(0x80 | ((code >> (6 * i)) & 0x3F)));
}

/// Decodes one UTF-8 sequence at bytes[i]; 0 when there is none.
std::size_t DecodeUtf8(std::string_view bytes, std::size_t i, char32_t& code)
{
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    const std::size_t nFollowing = lead >= 0xF0 && lead < 0xF5 ? 3
                                   : lead >= 0xE0              ? 2
                                   : lead >= 0xC2              ? 1
                                                               : 0;
    if (lead >= 0xF5 || lead < 0xC2 || i + nFollowing >= bytes.size())
        return 0;
    code = lead & (0x3F >> nFollowing);
    for (std::size_t k = 1; k <= nFollowing; ++k) {
        const auto next = static_cast<unsigned char>(bytes[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    if (code < kLeast[nFollowing] || code > kLastCodePoint || IsSurrogate(code))
        return 0;
    return nFollowing + 1;
}

} // namespace

std::filesystem::path PathFromWide(std::wstring_view name)
{
    std::string bytes;
    for (wchar_t ch : name)
        AppendUtf8(bytes, static_cast<char32_t>(ch));
    return std::filesystem::path(bytes);
}

std::wstring WideFromPath(const std::filesystem::path& path)
{
    const std::string& bytes = path.native();
    std::wstring name;
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t code = 0;
        const std::size_t nLength = DecodeUtf8(bytes, i, code);
        if (nLength == 0)
            code = kEscapeBase + static_cast<unsigned char>(bytes[i]);
        name.push_back(static_cast<wchar_t>(code));
        i += nLength == 0 ? 1 : nLength;
    }
    return name;
}

} // namespace base
