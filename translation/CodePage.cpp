#include "translation/CodePage.h"

#include "base/AnsiText.h"
#include "base/FilePath.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace translation {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

enum class ByteKind { Character, Undefined, LeadByte };

/// One byte through iconv: a character, a byte the code page leaves undefined,
/// or the first byte of a longer character.
ByteKind ConvertByte(iconv_t converter, std::uint8_t byte, char32_t& code)
{
    char input = static_cast<char>(byte);
    char* pIn = &input;
    std::size_t nIn = 1;
    char32_t output = 0;
    char* pOut = reinterpret_cast<char*>(&output);
    std::size_t nOut = sizeof(output);
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter, &pIn, &nIn, &pOut, &nOut) == static_cast<std::size_t>(-1))
        return errno == EINVAL ? ByteKind::LeadByte : ByteKind::Undefined;
    code = output;
    return ByteKind::Character;
}

} // namespace

CCodePage::CCodePage(int nCodePage) : m_nCodePage(nCodePage)
{
    if (nCodePage == kWindowsWestern) {
        for (int i = 0; i < 256; ++i)
            m_chars[i] = static_cast<char32_t>(base::AnsiCharToWide(static_cast<char>(i)));
        return;
    }
    const std::string strName = "CP" + std::to_string(nCodePage);
    const iconv_t converter = iconv_open("UTF-32LE", strName.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1))
        throw std::invalid_argument("code page " + std::to_string(nCodePage) + " is not known");
    bool bSingleByte = true;
    for (int i = 0; i < 256; ++i) {
        const ByteKind kind = ConvertByte(converter, static_cast<std::uint8_t>(i), m_chars[i]);
        if (kind != ByteKind::Character)
            m_chars[i] = kReplacement;
        bSingleByte = bSingleByte && kind != ByteKind::LeadByte;
    }
    iconv_close(converter);
    if (!bSingleByte)
        throw std::invalid_argument("code page " + std::to_string(nCodePage) +
                                    " needs more than a byte a character");
}

void CCodePage::AppendUtf8(std::string& text, std::uint8_t byte) const
{
    if (byte < 0x80) {
        text.push_back(static_cast<char>(byte));
        return;
    }
    AppendCodePoint(text, m_chars[byte]);
}

void AppendCodePoint(std::string& text, char32_t code)
{
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        code = kReplacement;
    // The file-name conversion is the program's one UTF-8 encoder.
    const std::wstring wide(1, static_cast<wchar_t>(code));
    text += base::PathFromWide(wide).native();
}

} // namespace translation
