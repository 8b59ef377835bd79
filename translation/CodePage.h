#pragma once
// The 8-bit code page an RTF file's bytes are written in (\ansicpg; Windows-1252
// when the file names none), turned into UTF-8 one byte at a time. Only code
// pages of one byte a character are read.

#include <array>
#include <cstdint>
#include <string>

namespace translation {

class CCodePage
{
public:
    static constexpr int kWindowsWestern = 1252;

    /// Throws std::invalid_argument for a code page the system cannot convert
    /// or one that needs more than a byte a character.
    explicit CCodePage(int nCodePage = kWindowsWestern);

    int Number() const { return m_nCodePage; }
    void AppendUtf8(std::string& text, std::uint8_t byte) const;

private:
    int m_nCodePage;
    std::array<char32_t, 256> m_chars{};
};

/// Appends a Unicode character as UTF-8; a surrogate or a value past U+10FFFF
/// becomes U+FFFD.
void AppendCodePoint(std::string& text, char32_t code);

} // namespace translation
