#include "exchange/TranslationColumn.h"

#include "translation/TranscriptFormatter.h"

namespace exchange {

CTranslationColumn::CTranslationColumn(const translation::CDictionaryCollection& dictionaries,
                                       const translation::CStandingList& list,
                                       const translation::IStrokeKeys& strokes)
    : m_list(list), m_spans(list.Count())
{
    translation::Transcript transcript =
        translation::CTranscriptFormatter(dictionaries, list, strokes).Format(0, list.Count());
    // A translation's pieces follow one another; the spaces between its words
    // are its own, the one before it is not.
    for (const translation::Transcript::Piece& piece : transcript.pieces) {
        Span& span = m_spans[piece.nTranslation];
        if (span.nBegin == span.nEnd)
            span.nBegin = piece.nBegin;
        span.nEnd = piece.nEnd;
    }
    m_strText = std::move(transcript.strText);
}

std::string_view CTranslationColumn::Text(std::size_t nIndex) const
{
    const std::size_t nTranslation = m_list.FirstFrom(static_cast<std::uint32_t>(nIndex));
    if (nTranslation >= m_list.Count() || m_list.At(nTranslation).nFirst != nIndex)
        return {};
    const Span& span = m_spans[nTranslation];
    return std::string_view(m_strText).substr(span.nBegin, span.nEnd - span.nBegin);
}

TranslationSource CTranslationColumn::Source() const
{
    return [this](std::size_t nIndex) { return std::string(Text(nIndex)); };
}

} // namespace exchange
