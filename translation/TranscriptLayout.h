#pragma once
// Lays formatted words out as running text: one space between words, none where
// an entry attaches, glued letters together, capitals where an entry asks for
// them, a line break for a new paragraph. Each piece of text is remembered with
// the translation it came from. Translations before the part wanted are laid out
// too, without text, so capitals and spacing there come out as in the whole.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace translation {

/// Formatted text and, for each piece of it, the translation it came from.
struct Transcript
{
    struct Piece
    {
        std::size_t nBegin = 0; ///< bytes of strText
        std::size_t nEnd = 0;
        std::size_t nTranslation = 0;
    };

    std::string strText; ///< UTF-8
    std::vector<Piece> pieces;
};

class CTranscriptLayout
{
public:
    /// What follows comes from translation nTranslation; its text is written
    /// only with bWrite.
    void Begin(std::size_t nTranslation, bool bWrite);

    /// A word; with bCarry (a quote mark) a capital asked for passes over it to the next.
    void Word(std::string_view text, bool bCarry = false);
    /// Text attached to what comes before it ({^ing}).
    void Suffix(std::string_view text, bool bCarry = false);
    /// A fingerspelled letter: no space between glued letters.
    void Glue(std::string_view text);
    /// Attached to the word before, as {,} and {.}; with bSentence the next word
    /// starts with a capital.
    void Punctuation(std::string_view text, bool bSentence);
    void AttachNext() { m_bAttach = true; }
    void CapitalizeNext() { m_case = Case::Capital; }
    void LowerNext() { m_case = Case::Lower; }
    void Paragraph();

    Transcript& Result() { return m_transcript; }

private:
    enum class Case { AsWritten, Capital, Lower };

    void Put(std::string_view text, bool bSpace, bool bCarry = false);

    Transcript m_transcript;
    std::size_t m_nTranslation = 0;
    bool m_bWrite = false;
    bool m_bLineStart = true;
    bool m_bAttach = false;
    bool m_bGlued = false;
    Case m_case = Case::AsWritten;
};

} // namespace translation
