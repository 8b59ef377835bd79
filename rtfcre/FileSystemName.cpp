#include "rtfcre/FileSystemName.h"

#include <cstdint>

namespace rtfcre {
namespace {

constexpr char32_t kEscapeBase = 0xDC00; // a byte b that is not UTF-8 becomes U+DC00 + b
constexpr char32_t kEscapeFirst = 0xDC80;
constexpr char32_t kEscapeLast = 0xDCFF;
constexpr char32_t kSurrogateFirst = 0xD800;
constexpr char32_t kSurrogateLast = 0xDFFF;
constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr char32_t kReplacement = 0xFFFD;

void PutUtf8(char32_t code, std::string& bytes)
{
    if (code < 0x80) {
        bytes += static_cast<char>(code);
    } else if (code < 0x800) {
        bytes += static_cast<char>(0xC0 | (code >> 6));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        bytes += static_cast<char>(0xE0 | (code >> 12));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (code >> 18));
        bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The code point of a well-formed UTF-8 sequence at the start of bytes and its
// length, or length 0 when the bytes there are not one.
std::size_t ReadUtf8(std::string_view bytes, char32_t& code)
{
    const auto lead = static_cast<unsigned char>(bytes[0]);
    std::size_t nLength = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        nLength = 2;
        code = lead & 0x1F;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        nLength = 3;
        code = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        nLength = 4;
        code = lead & 0x07;
        least = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() < nLength)
        return 0;
    for (std::size_t i = 1; i < nLength; ++i) {
        const auto next = static_cast<unsigned char>(bytes[i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    const bool bSurrogate = code >= kSurrogateFirst && code <= kSurrogateLast;
    if (code < least || code > kLastCodePoint || bSurrogate)
        return 0;
    return nLength;
}

} // namespace

std::string ToFileSystemName(std::wstring_view name)
{
    std::string bytes;
    bytes.reserve(name.size());
    for (wchar_t ch : name) {
        const auto code = static_cast<char32_t>(static_cast<std::uint32_t>(ch));
        if (code >= kEscapeFirst && code <= kEscapeLast)
            bytes += static_cast<char>(code - kEscapeBase);
        else if ((code >= kSurrogateFirst && code <= kSurrogateLast) || code > kLastCodePoint)
            PutUtf8(kReplacement, bytes);
        else
            PutUtf8(code, bytes);
    }
    return bytes;
}

std::wstring FromFileSystemName(std::string_view bytes)
{
    std::wstring name;
    name.reserve(bytes.size());
    while (!bytes.empty()) {
        char32_t code = 0;
        std::size_t nLength = ReadUtf8(bytes, code);
        if (nLength == 0) {
            code = kEscapeBase + static_cast<unsigned char>(bytes[0]);
            nLength = 1;
        }
        name += static_cast<wchar_t>(code);
        bytes.remove_prefix(nLength);
    }
    return name;
}

} // namespace rtfcre
