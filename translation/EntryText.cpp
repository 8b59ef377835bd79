#include "translation/EntryText.h"

#include "translation/RtfScanner.h"
#include "translation/Trimmed.h"

#include <string>

namespace translation {

namespace {

constexpr std::string_view kCarryCapital = "~|";
constexpr std::string_view kReturn = "#Return";
constexpr std::string_view kReturnMeta = "{#Return}";
constexpr char32_t kNoBreakSpace = 0x00A0;
constexpr char32_t kNoBreakHyphen = 0x2011;

std::string Braced(std::string_view text)
{
    std::string braced(1, '{');
    braced.append(text).push_back('}');
    return braced;
}

bool EndsSentence(std::string_view mark)
{
    return mark == "." || mark == "?" || mark == "!";
}

bool IsPause(std::string_view mark)
{
    return mark == "," || mark == ":" || mark == ";";
}

void LayWords(std::string_view text, CTranscriptLayout& layout)
{
    while (!text.empty()) {
        const std::size_t nSpace = text.find(' ');
        layout.Word(text.substr(0, nSpace));
        if (nSpace == std::string_view::npos)
            break;
        text.remove_prefix(nSpace + 1);
    }
}

/// {^text}, {text^} and {^text^}: text attached to what comes before, after or both.
void LayAttached(std::string_view meta, CTranscriptLayout& layout)
{
    const bool bBefore = meta.starts_with('^');
    const bool bAfter = meta.size() > 1 && meta.ends_with('^');
    meta.remove_prefix(bBefore ? 1 : 0);
    meta.remove_suffix(bAfter ? 1 : 0);
    const bool bCarry = meta.starts_with(kCarryCapital);
    if (bCarry)
        meta.remove_prefix(kCarryCapital.size());
    if (bBefore)
        layout.Suffix(meta, bCarry);
    else
        layout.Word(meta, bCarry);
    if (bAfter)
        layout.AttachNext();
}

void LayMeta(std::string_view meta, CTranscriptLayout& layout)
{
    if (meta == "^")
        layout.AttachNext();
    else if (meta.starts_with('^') || meta.ends_with('^'))
        LayAttached(meta, layout);
    else if (meta == "-|")
        layout.CapitalizeNext();
    else if (meta == ">")
        layout.LowerNext();
    else if (meta.starts_with('&'))
        layout.Glue(meta.substr(1));
    else if (EndsSentence(meta) || IsPause(meta))
        layout.Punctuation(meta, EndsSentence(meta));
    else if (!meta.empty())
        layout.Word(Braced(meta));
}

/// Lays out RTF/CRE text token by token; \uN and its fallback characters, the
/// groups the program does not know, and unknown control words are handled here.
class CRtfEntry
{
public:
    CRtfEntry(std::string_view text, const CCodePage& codePage, CTranscriptLayout& layout)
        : m_scanner(text), m_codePage(codePage), m_layout(layout)
    {
    }

    void Lay()
    {
        using Token = CRtfScanner::Token;
        for (Token token = m_scanner.Next(); token != Token::End; token = m_scanner.Next()) {
            if (token == Token::Text)
                AddText(m_scanner.Value());
            else if (token == Token::Byte)
                AddByte(m_scanner.Byte());
            else if (token == Token::ControlWord)
                ControlWord();
            else if (token == Token::ControlSymbol)
                ControlSymbol(m_scanner.Value()[0]);
            else if (token == Token::GroupOpen)
                Group();
        }
        Flush();
    }

private:
    void Flush()
    {
        if (!m_word.empty())
            m_layout.Word(m_word);
        m_word.clear();
    }

    void AddText(std::string_view text)
    {
        for (char ch : text) {
            if (m_nFallback > 0)
                --m_nFallback;
            else if (ch == ' ')
                Flush();
            else
                m_word.push_back(ch);
        }
    }

    void AddByte(std::uint8_t byte)
    {
        if (m_nFallback > 0)
            --m_nFallback;
        else
            m_codePage.AppendUtf8(m_word, byte);
    }

    void ControlWord()
    {
        const std::string_view word = m_scanner.Value();
        if (word == "cxds") {
            Flush();
            m_layout.AttachNext();
        } else if (word == "cxfc" || word == "cxfl") {
            Flush();
            word == "cxfc" ? m_layout.CapitalizeNext() : m_layout.LowerNext();
        } else if (word == "par") {
            Flush();
            m_layout.Paragraph();
        } else if (word == "uc" && m_scanner.HasParameter()) {
            m_nFallbackSize = m_scanner.Parameter();
        } else if (word == "u" && m_scanner.HasParameter()) {
            const int nCode = m_scanner.Parameter();
            AppendCodePoint(m_word, static_cast<char32_t>(nCode < 0 ? nCode + 65536 : nCode));
            m_nFallback = m_nFallbackSize;
        }
    }

    void ControlSymbol(char ch)
    {
        if (ch == '~')
            AppendCodePoint(m_word, kNoBreakSpace);
        else if (ch == '_')
            AppendCodePoint(m_word, kNoBreakHyphen);
        else if (ch == '\\' || ch == '{' || ch == '}')
            m_word.push_back(ch);
    }

    // {\*\...} is skipped whole; {\cxp ...} and {\cxfing ...} are punctuation
    // and a fingerspelled letter; any other group is read as if it were not there.
    void Group()
    {
        CRtfScanner ahead = m_scanner;
        const auto token = ahead.Next();
        const bool bSkipped = token == CRtfScanner::Token::ControlSymbol && ahead.Value() == "*";
        const bool bPunctuation =
            token == CRtfScanner::Token::ControlWord && ahead.Value() == "cxp";
        const bool bFinger = token == CRtfScanner::Token::ControlWord && ahead.Value() == "cxfing";
        if (!bSkipped && !bPunctuation && !bFinger)
            return;
        m_scanner = ahead;
        const std::string text = GroupText();
        if (bSkipped)
            return;
        Flush();
        if (bFinger) {
            m_layout.Glue(text);
            return;
        }
        const std::string_view mark = Trimmed(text);
        m_layout.Punctuation(mark, EndsSentence(mark));
        if (!EndsSentence(mark) && !IsPause(mark))
            m_layout.AttachNext();
    }

    /// The plain text up to the group's closing brace.
    std::string GroupText()
    {
        std::string text;
        for (int nDepth = 1; nDepth > 0;) {
            const auto token = m_scanner.Next();
            if (token == CRtfScanner::Token::End)
                break;
            if (token == CRtfScanner::Token::GroupOpen)
                ++nDepth;
            else if (token == CRtfScanner::Token::GroupClose)
                --nDepth;
            else if (token == CRtfScanner::Token::Text)
                text += m_scanner.Value();
            else if (token == CRtfScanner::Token::Byte)
                m_codePage.AppendUtf8(text, m_scanner.Byte());
        }
        return text;
    }

    CRtfScanner m_scanner;
    const CCodePage& m_codePage;
    CTranscriptLayout& m_layout;
    std::string m_word;
    int m_nFallbackSize = 1; ///< characters after \uN that stand in for it elsewhere
    int m_nFallback = 0;
};

} // namespace

void LayBraceEntry(std::string_view text, CTranscriptLayout& layout)
{
    while (!text.empty()) {
        const std::size_t nOpen = text.find('{');
        LayWords(text.substr(0, nOpen), layout);
        if (nOpen == std::string_view::npos)
            return;
        const std::size_t nClose = text.find('}', nOpen);
        if (nClose == std::string_view::npos) {
            layout.Word(text.substr(nOpen));
            return;
        }
        const std::string_view meta = text.substr(nOpen + 1, nClose - nOpen - 1);
        text.remove_prefix(nClose + 1);
        // Two returns in a row start a paragraph; one alone is shown as written.
        if (meta == kReturn && text.starts_with(kReturnMeta)) {
            layout.Paragraph();
            text.remove_prefix(kReturnMeta.size());
            continue;
        }
        LayMeta(meta, layout);
    }
}

void LayRtfEntry(std::string_view text, const CCodePage& codePage, CTranscriptLayout& layout)
{
    CRtfEntry(text, codePage, layout).Lay();
}

} // namespace translation
