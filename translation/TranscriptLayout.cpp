#include "translation/TranscriptLayout.h"

namespace translation {

void CTranscriptLayout::Begin(std::size_t nTranslation, bool bWrite)
{
    m_nTranslation = nTranslation;
    m_bWrite = bWrite;
}

void CTranscriptLayout::Word(std::string_view text, bool bCarry)
{
    Put(text, !m_bAttach, bCarry);
    m_bGlued = false;
}

void CTranscriptLayout::Suffix(std::string_view text, bool bCarry)
{
    Put(text, false, bCarry);
    m_bGlued = false;
}

void CTranscriptLayout::Glue(std::string_view text)
{
    Put(text, !m_bAttach && !m_bGlued);
    m_bGlued = true;
}

void CTranscriptLayout::Punctuation(std::string_view text, bool bSentence)
{
    const Case keep = m_case;
    m_case = Case::AsWritten;
    Put(text, false);
    m_bGlued = false;
    m_case = bSentence ? Case::Capital : keep;
}

void CTranscriptLayout::Paragraph()
{
    if (m_bWrite && !m_transcript.strText.empty())
        m_transcript.strText.push_back('\n');
    m_bLineStart = true;
    m_bAttach = false;
    m_bGlued = false;
}

void CTranscriptLayout::Put(std::string_view text, bool bSpace, bool bCarry)
{
    if (text.empty())
        return;
    std::string& out = m_transcript.strText;
    if (m_bWrite && bSpace && !m_bLineStart && !out.empty())
        out.push_back(' ');
    m_bLineStart = false;
    m_bAttach = false;
    const Case use = bCarry ? Case::AsWritten : m_case;
    if (!bCarry)
        m_case = Case::AsWritten;
    if (!m_bWrite)
        return;
    const std::size_t nBegin = out.size();
    out += text;
    // Capitals for ASCII letters only; other letters stay as written.
    char& first = out[nBegin];
    if (use == Case::Capital && first >= 'a' && first <= 'z')
        first = static_cast<char>(first - 'a' + 'A');
    else if (use == Case::Lower && first >= 'A' && first <= 'Z')
        first = static_cast<char>(first - 'A' + 'a');
    m_transcript.pieces.push_back({nBegin, out.size(), m_nTranslation});
}

} // namespace translation
