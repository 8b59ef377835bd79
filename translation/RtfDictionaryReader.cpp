#include "translation/RtfDictionaryReader.h"

#include "translation/CodePage.h"
#include "translation/OutlineNotation.h"
#include "translation/RtfScanner.h"
#include "translation/Trimmed.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace translation {

namespace {

using Token = CRtfScanner::Token;

/// Whether the group just opened is an entry's outline group, {\*\cxs ...}; the
/// scanner is left after the cxs control word when it is.
bool OpensOutline(CRtfScanner& scanner)
{
    CRtfScanner ahead = scanner;
    if (ahead.Next() != Token::ControlSymbol || ahead.Value() != "*")
        return false;
    if (ahead.Next() != Token::ControlWord || ahead.Value() != "cxs")
        return false;
    scanner = ahead;
    return true;
}

class CRtfDictionaryReader
{
public:
    CRtfDictionaryReader(std::string_view bytes, CStenoDictionary& dictionary,
                         DictionaryNotes& notes)
        : m_bytes(bytes), m_scanner(bytes), m_dictionary(dictionary), m_notes(notes)
    {
    }

    int Read()
    {
        ReadStart();
        int nDepth = 1;
        while (nDepth > 0) {
            switch (m_scanner.Next()) {
            case Token::End:
                Fail(m_bytes.size(), "the file ends before the brace that closes the document");
            case Token::GroupOpen:
                if (nDepth == 1 && OpensOutlineAt(m_scanner.Begin()))
                    break;
                ++nDepth;
                break;
            case Token::GroupClose:
                --nDepth;
                break;
            case Token::ControlWord:
                ReadHeaderWord();
                break;
            default:
                break;
            }
        }
        EndEntry(m_scanner.Begin());
        if (!m_codePage)
            CheckHeader(m_scanner.Begin());
        return m_codePage ? m_codePage->Number() : m_nCodePage;
    }

private:
    [[noreturn]] void Fail(std::size_t nOffset, const std::string& strReason) const
    {
        throw CDictionaryError(CDictionaryError::LineAt(m_bytes, nOffset), strReason);
    }

    void ReadStart()
    {
        Token token = m_scanner.Next();
        while (token == Token::Text &&
               m_scanner.Value().find_first_not_of(" \t") == std::string_view::npos)
            token = m_scanner.Next();
        if (token != Token::GroupOpen || m_scanner.Next() != Token::ControlWord ||
            m_scanner.Value() != "rtf")
            Fail(m_scanner.Begin(), "not an RTF file: it does not start with {\\rtf");
    }

    void ReadHeaderWord()
    {
        if (m_codePage)
            return;
        if (m_scanner.Value() == "cxdict")
            m_bDictionary = true;
        else if (m_scanner.Value() == "ansicpg" && m_scanner.HasParameter())
            m_nCodePage = m_scanner.Parameter();
    }

    void CheckHeader(std::size_t nOffset)
    {
        if (!m_bDictionary)
            Fail(nOffset, "not an RTF/CRE dictionary: its header has no \\cxdict");
        try {
            m_codePage.emplace(m_nCodePage);
        } catch (const std::invalid_argument& error) {
            Fail(nOffset, error.what());
        }
    }

    bool OpensOutlineAt(std::size_t nGroup)
    {
        if (!OpensOutline(m_scanner))
            return false;
        EndEntry(nGroup);
        if (!m_codePage)
            CheckHeader(nGroup);
        m_nEntry = nGroup;
        m_bOutline = ReadOutline();
        m_nText = m_scanner.Position();
        return true;
    }

    /// Reads the outline group to its closing brace; false when it holds anything
    /// but steno text.
    bool ReadOutline()
    {
        std::string strOutline;
        bool bPlain = true;
        for (int nDepth = 1; nDepth > 0;) {
            switch (m_scanner.Next()) {
            case Token::End:
                Fail(m_bytes.size(), "the file ends inside an entry's outline");
            case Token::GroupOpen:
                ++nDepth;
                bPlain = false;
                break;
            case Token::GroupClose:
                --nDepth;
                break;
            case Token::Text:
                strOutline += m_scanner.Value();
                break;
            default:
                bPlain = false;
                break;
            }
        }
        m_strOutline = std::string(Trimmed(strOutline));
        return bPlain && ParseOutline(m_strOutline, true, m_strokes);
    }

    void EndEntry(std::size_t nEnd)
    {
        if (!m_nText)
            return;
        if (!m_bOutline) {
            m_notes.Skip(m_notes.nSkipped == 0 ? CDictionaryError::LineAt(m_bytes, m_nEntry) : 0,
                         m_strOutline);
        } else {
            m_text.clear();
            for (std::size_t i = *m_nText; i < nEnd; ++i) {
                const auto byte = static_cast<std::uint8_t>(m_bytes[i]);
                if (byte != '\r' && byte != '\n')
                    m_codePage->AppendUtf8(m_text, byte);
            }
            if (!m_dictionary.Add(m_strokes, m_text))
                m_notes.Skip(m_notes.nSkipped == 0 ? CDictionaryError::LineAt(m_bytes, m_nEntry)
                                                   : 0,
                             m_strOutline);
        }
        m_nText.reset();
    }

    std::string_view m_bytes;
    CRtfScanner m_scanner;
    CStenoDictionary& m_dictionary;
    DictionaryNotes& m_notes;
    bool m_bDictionary = false;
    int m_nCodePage = CCodePage::kWindowsWestern;
    std::optional<CCodePage> m_codePage; ///< set once the header has been read
    std::size_t m_nEntry = 0;            ///< where the current entry's outline group opens
    std::optional<std::size_t> m_nText;  ///< where its text starts
    bool m_bOutline = false;             ///< whether its outline is steno
    std::string m_strOutline;
    std::vector<steno::KeyBits> m_strokes;
    std::string m_text;
};

} // namespace

int ReadRtfDictionary(std::string_view bytes, CStenoDictionary& dictionary, DictionaryNotes& notes)
{
    return CRtfDictionaryReader(bytes, dictionary, notes).Read();
}

} // namespace translation
