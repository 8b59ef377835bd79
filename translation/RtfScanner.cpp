#include "translation/RtfScanner.h"

#include <algorithm>
#include <limits>

namespace translation {

namespace {

bool IsLetter(char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

int HexDigit(char ch)
{
    if (IsDigit(ch))
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

bool EndsText(char ch)
{
    return ch == '\\' || ch == '{' || ch == '}' || ch == '\r' || ch == '\n';
}

} // namespace

CRtfScanner::Token CRtfScanner::Next()
{
    while (m_nPosition < m_bytes.size() &&
           (m_bytes[m_nPosition] == '\r' || m_bytes[m_nPosition] == '\n'))
        ++m_nPosition;
    m_nBegin = m_nPosition;
    m_bHasParameter = false;
    if (m_nPosition == m_bytes.size())
        return Token::End;
    switch (m_bytes[m_nPosition]) {
    case '{':
        ++m_nPosition;
        return Token::GroupOpen;
    case '}':
        ++m_nPosition;
        return Token::GroupClose;
    case '\\':
        ++m_nPosition;
        return ReadControl();
    default:
        break;
    }
    while (m_nPosition < m_bytes.size() && !EndsText(m_bytes[m_nPosition]))
        ++m_nPosition;
    m_value = m_bytes.substr(m_nBegin, m_nPosition - m_nBegin);
    return Token::Text;
}

CRtfScanner::Token CRtfScanner::ReadControl()
{
    if (m_nPosition == m_bytes.size()) {
        // A backslash that ends the bytes stands for itself.
        m_value = m_bytes.substr(m_nBegin, 1);
        return Token::Text;
    }
    const char ch = m_bytes[m_nPosition];
    if (IsLetter(ch))
        return ReadControlWord();
    if (ch == '\'' && m_nPosition + 2 < m_bytes.size() && HexDigit(m_bytes[m_nPosition + 1]) >= 0 &&
        HexDigit(m_bytes[m_nPosition + 2]) >= 0) {
        m_byte = static_cast<std::uint8_t>(HexDigit(m_bytes[m_nPosition + 1]) * 16 +
                                           HexDigit(m_bytes[m_nPosition + 2]));
        m_nPosition += 3;
        return Token::Byte;
    }
    m_value = m_bytes.substr(m_nPosition, 1);
    ++m_nPosition;
    return Token::ControlSymbol;
}

CRtfScanner::Token CRtfScanner::ReadControlWord()
{
    const std::size_t nStart = m_nPosition;
    while (m_nPosition < m_bytes.size() && IsLetter(m_bytes[m_nPosition]))
        ++m_nPosition;
    m_value = m_bytes.substr(nStart, m_nPosition - nStart);
    ReadParameter();
    // One space after a control word only ends it.
    if (m_nPosition < m_bytes.size() && m_bytes[m_nPosition] == ' ')
        ++m_nPosition;
    return Token::ControlWord;
}

void CRtfScanner::ReadParameter()
{
    std::size_t i = m_nPosition;
    const bool bNegative = i < m_bytes.size() && m_bytes[i] == '-';
    if (bNegative)
        ++i;
    if (i == m_bytes.size() || !IsDigit(m_bytes[i]))
        return;
    constexpr long long kLimit = std::numeric_limits<int>::max();
    long long nValue = 0;
    for (; i < m_bytes.size() && IsDigit(m_bytes[i]); ++i)
        nValue = std::min(nValue * 10 + (m_bytes[i] - '0'), kLimit);
    m_bHasParameter = true;
    m_nParameter = static_cast<int>(bNegative ? -nValue : nValue);
    m_nPosition = i;
}

} // namespace translation
