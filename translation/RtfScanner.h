#pragma once
// Cuts RTF into its tokens: group braces, control words with their parameter,
// control symbols, \'hh bytes and runs of plain text. Line breaks in the file
// are no part of any token, as RTF wants. Used by the RTF/CRE dictionary reader
// and by the formatter of RTF/CRE entry text.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace translation {

class CRtfScanner
{
public:
    enum class Token { End, GroupOpen, GroupClose, ControlWord, ControlSymbol, Byte, Text };

    explicit CRtfScanner(std::string_view bytes) : m_bytes(bytes) {}

    /// Reads the next token; End once the bytes are used up.
    Token Next();

    /// The control word's letters, the control symbol's character or the text run.
    std::string_view Value() const { return m_value; }
    bool HasParameter() const { return m_bHasParameter; }
    /// The control word's number, held to the range of an int.
    int Parameter() const { return m_nParameter; }
    /// The byte of a \'hh token.
    std::uint8_t Byte() const { return m_byte; }
    /// Where the token just read starts and where the next one may start.
    std::size_t Begin() const { return m_nBegin; }
    std::size_t Position() const { return m_nPosition; }
    std::string_view Bytes() const { return m_bytes; }

private:
    Token ReadControl();
    Token ReadControlWord();
    void ReadParameter();

    std::string_view m_bytes;
    std::size_t m_nPosition = 0;
    std::size_t m_nBegin = 0;
    std::string_view m_value;
    bool m_bHasParameter = false;
    int m_nParameter = 0;
    std::uint8_t m_byte = 0;
};

} // namespace translation
