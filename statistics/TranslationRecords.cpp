#include "statistics/TranslationRecords.h"

#include "base/FilePath.h"
#include "statistics/StrokeStatistics.h"
#include "statistics/WordSpace.h"
#include "steno/StenoEncoder.h"
#include "translation/StandingList.h"
#include "translation/TranscriptFormatter.h"
#include "translation/Translator.h"

namespace statistics {

namespace {

using namespace translation;

/// The translations that stand after the strokes and those a * took back.
struct Translated
{
    TranslationBatch standing;
    TranslationBatch undone;
};

/// Where in a transcript's text the words that begin in one translation lie.
struct TextSpan
{
    std::size_t nBegin = 0;
    std::size_t nEnd = 0;
};

bool Translate(const CDictionaryCollection& dictionaries, const IStrokeKeys& keys,
               const std::atomic<bool>* pCancel, Translated& out)
{
    CTranslator translator(dictionaries);
    translator.ReportUndone(&out.undone);
    for (std::size_t i = 0; i < keys.Count(); ++i) {
        if (i % kCancelStride == 0 && StopRequested(pCancel))
            return false;
        translator.Step(static_cast<std::uint32_t>(i), keys.Keys(i), out.standing);
    }
    translator.Finish(out.standing);
    return true;
}

/// The program's wide form of UTF-8 text is the one it gives file names.
std::wstring Wide(std::string_view text)
{
    return base::WideFromPath(std::filesystem::path(text));
}

/// The record of a translation of the batch, without its text.
TranslationRecord Record(const TranslationBatch& batch, const StandingTranslation& translation,
                         const IStrokeKeys& keys, int nFirstIndex)
{
    TranslationRecord record;
    record.nFirstStroke = nFirstIndex + static_cast<int>(translation.nFirst);
    record.nStrokeCount = translation.nStrokes;
    for (std::uint32_t i = 0; i < translation.nStrokes; ++i) {
        if (i > 0)
            record.strOutline.push_back(L'/');
        const std::uint32_t nPosition = translation.IsContiguous()
                                            ? translation.nFirst + i
                                            : batch.positions[translation.nPositions + i];
        AppendStenoKeysText(keys.Keys(nPosition), false, false, record.strOutline);
    }
    return record;
}

/// For each of nCount translations, the words of the transcript that begin in
/// one of its pieces; every letter is in a piece, only white space is between them.
std::vector<TextSpan> WordSpans(const Transcript& transcript, std::size_t nCount)
{
    std::vector<TextSpan> spans(nCount);
    const std::string& text = transcript.strText;
    auto piece = transcript.pieces.begin();
    for (std::size_t i = 0; i < text.size();) {
        if (IsWordSpace(text[i])) {
            ++i;
            continue;
        }
        while (piece != transcript.pieces.end() && piece->nEnd <= i)
            ++piece;
        if (piece == transcript.pieces.end())
            break;
        std::size_t nEnd = i;
        while (nEnd < text.size() && !IsWordSpace(text[nEnd]))
            ++nEnd;
        TextSpan& span = spans[piece->nTranslation];
        if (span.nBegin == span.nEnd)
            span.nBegin = i;
        span.nEnd = nEnd;
        i = nEnd;
    }
    return spans;
}

void AddStanding(const CDictionaryCollection& dictionaries, const TranslationBatch& standing,
                 const IStrokeKeys& keys, int nFirstIndex, std::vector<TranslationRecord>& records)
{
    CStandingList list;
    list.Replace(0, 0, standing, 0);
    const CTranscriptFormatter formatter(dictionaries, list, keys);
    const Transcript transcript = formatter.Format(0, list.Count());
    const std::vector<TextSpan> spans = WordSpans(transcript, list.Count());
    for (std::size_t i = 0; i < spans.size(); ++i) {
        TranslationRecord& record =
            records.emplace_back(Record(standing, standing.translations[i], keys, nFirstIndex));
        record.strText = Wide(std::string_view(transcript.strText)
                                  .substr(spans[i].nBegin, spans[i].nEnd - spans[i].nBegin));
    }
}

void AddUndone(const CDictionaryCollection& dictionaries, const TranslationBatch& undone,
               const IStrokeKeys& keys, int nFirstIndex, std::vector<TranslationRecord>& records)
{
    // Each is formatted as the only translation of a list of its own.
    CStandingList single;
    const CTranscriptFormatter formatter(dictionaries, single, keys);
    TranslationBatch one;
    for (const StandingTranslation& translation : undone.translations) {
        one.Clear();
        one.translations.push_back(translation);
        if (!translation.IsContiguous()) {
            const auto first = undone.positions.begin() + translation.nPositions;
            one.positions.assign(first, first + translation.nStrokes);
            one.translations.back().nPositions = 0;
        }
        single.Replace(0, single.Count(), one, 0);
        TranslationRecord& record =
            records.emplace_back(Record(undone, translation, keys, nFirstIndex));
        record.strText = Wide(formatter.Format(0, 1).strText);
        record.bUndone = true;
    }
}

} // namespace

std::optional<std::vector<TranslationRecord>>
MakeTranslationRecords(const CDictionaryCollection& dictionaries,
                       std::span<const CStenoStroke> strokes, int nFirstIndex,
                       const std::atomic<bool>* pCancel)
{
    const CStrokeRecordKeys keys(strokes);
    Translated translated;
    if (!Translate(dictionaries, keys, pCancel, translated))
        return std::nullopt;
    std::vector<TranslationRecord> records;
    records.reserve(translated.standing.translations.size() +
                    translated.undone.translations.size());
    AddStanding(dictionaries, translated.standing, keys, nFirstIndex, records);
    if (StopRequested(pCancel))
        return std::nullopt;
    AddUndone(dictionaries, translated.undone, keys, nFirstIndex, records);
    if (StopRequested(pCancel))
        return std::nullopt;
    return records;
}

} // namespace statistics
