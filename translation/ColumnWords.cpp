#include "translation/ColumnWords.h"

#include "translation/OutlineNotation.h"
#include "translation/TranscriptFormatter.h"

#include <algorithm>
#include <limits>

namespace translation {

namespace {

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

struct Span
{
    std::size_t nBegin = kNone;
    std::size_t nEnd = 0;
};

/// Where the text of each translation [nFirst, nEnd) stands in the transcript.
std::vector<Span> SpansOf(const Transcript& transcript, std::size_t nFirst, std::size_t nEnd)
{
    std::vector<Span> spans(nEnd - nFirst);
    for (const Transcript::Piece& piece : transcript.pieces) {
        if (piece.nTranslation < nFirst || piece.nTranslation >= nEnd)
            continue;
        Span& span = spans[piece.nTranslation - nFirst];
        span.nBegin = std::min(span.nBegin, piece.nBegin);
        span.nEnd = std::max(span.nEnd, piece.nEnd);
    }
    return spans;
}

/// The words of a translation on one row: a paragraph inside it reads as a space.
std::string RowText(const Transcript& transcript, const Span& span)
{
    std::string text = transcript.strText.substr(span.nBegin, span.nEnd - span.nBegin);
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

/// The rows' kinds, the untranslated ones' steno, and the translation each row
/// starts (kNone for the others).
std::vector<std::size_t> MarkRows(const CStandingList& list, const IStrokeKeys& strokes,
                                  std::size_t nFirst, std::vector<ColumnWord>& words)
{
    std::vector<std::size_t> starts(words.size(), kNone);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const auto nRow = static_cast<std::uint32_t>(nFirst + i);
        const auto cover = list.CoverOf(nRow);
        if (!cover)
            continue;
        if (!list.At(cover->nTranslation).IsTranslated())
            words[i] = {ColumnWordKind::Untranslated, KeysText(strokes.Keys(nRow))};
        else if (!cover->bFirst)
            words[i].kind = ColumnWordKind::Continuation;
        else
            starts[i] = cover->nTranslation;
    }
    return starts;
}

} // namespace

std::vector<ColumnWord> ColumnWords(const CDictionaryCollection& dictionaries,
                                    const CStandingList& list, const IStrokeKeys& strokes,
                                    std::size_t nFirst, std::size_t nEnd)
{
    nEnd = std::min(nEnd, strokes.Count());
    std::vector<ColumnWord> words(nEnd > nFirst ? nEnd - nFirst : 0);
    if (words.empty())
        return words;
    if (dictionaries.Count() == 0) {
        words.front() = {ColumnWordKind::NoDictionary, "no dictionary"};
        return words;
    }
    const std::vector<std::size_t> starts = MarkRows(list, strokes, nFirst, words);
    // Rows start translations in order: the first and the last bound them all.
    const auto first =
        std::find_if(starts.begin(), starts.end(), [](std::size_t n) { return n != kNone; });
    if (first == starts.end())
        return words;
    const std::size_t nLow = *first;
    const std::size_t nHigh =
        *std::find_if(starts.rbegin(), starts.rend(), [](std::size_t n) { return n != kNone; }) + 1;
    const Transcript transcript =
        CTranscriptFormatter(dictionaries, list, strokes).Format(nLow, nHigh);
    const std::vector<Span> spans = SpansOf(transcript, nLow, nHigh);
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (starts[i] == kNone)
            continue;
        const Span& span = spans[starts[i] - nLow];
        words[i] = {ColumnWordKind::Words, span.nBegin == kNone
                                               ? dictionaries.EntryText(list.At(starts[i]))
                                               : RowText(transcript, span)};
    }
    return words;
}

} // namespace translation
