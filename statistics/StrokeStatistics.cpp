#include "statistics/StrokeStatistics.h"

#include "statistics/WordSpace.h"

#include <algorithm>
#include <string_view>

namespace statistics {

namespace {

struct Counters
{
    explicit Counters(const StatisticsInput& input)
        : misstrokes(input.translations.has_value()), spread(input.nStackedMs)
    {
    }

    CSpeedCounter speed;
    CPauseCounter pauses;
    CMisstrokeCounter misstrokes;
    CKeyCounter keys;
    CSpreadCounter spread;
};

std::int64_t CountWords(std::wstring_view text)
{
    std::int64_t nWords = 0;
    bool bInWord = false;
    for (wchar_t ch : text) {
        const bool bWhite = IsWordSpace(ch);
        nWords += !bWhite && !bInWord;
        bInWord = !bWhite;
    }
    return nWords;
}

void AddStrokes(const StatisticsInput& input, std::size_t nBegin, std::size_t nEnd,
                Counters& counters)
{
    const bool bMisstrokesFromStrokes = !input.translations;
    for (std::size_t i = nBegin; i < nEnd; ++i) {
        const CStenoStroke& stroke = input.strokes[i];
        const int nIndex = input.nFirstIndex + static_cast<int>(i);
        counters.speed.AddStroke(stroke.m_time);
        counters.pauses.Add(nIndex, stroke.m_time);
        if (bMisstrokesFromStrokes)
            counters.misstrokes.AddStroke(nIndex, stroke.m_keys);
        counters.keys.Add(stroke);
        counters.spread.Add(nIndex, stroke);
    }
}

/// Whether the record's strokes all lie among the input's.
bool Covers(const StatisticsInput& input, const TranslationRecord& record)
{
    const std::int64_t nFirst = std::int64_t{record.nFirstStroke} - input.nFirstIndex;
    return nFirst >= 0 && record.nStrokeCount > 0 &&
           nFirst + record.nStrokeCount <= static_cast<std::int64_t>(input.strokes.size());
}

void AddTranslation(const StatisticsInput& input, const TranslationRecord& record,
                    Counters& counters)
{
    if (!Covers(input, record))
        return;
    counters.misstrokes.AddTranslation(record);
    if (record.bUndone)
        return;
    // The words stand once the translation's last stroke is written.
    const auto nLast =
        static_cast<std::size_t>(record.nFirstStroke - input.nFirstIndex + record.nStrokeCount - 1);
    counters.speed.AddWords(input.strokes[nLast].m_time, CountWords(record.strText));
}

} // namespace

std::optional<StrokeStatistics> ComputeStatistics(const StatisticsInput& input,
                                                  const std::atomic<bool>* pCancel)
{
    Counters counters(input);
    for (std::size_t i = 0; i < input.strokes.size(); i += kCancelStride) {
        if (StopRequested(pCancel))
            return std::nullopt;
        AddStrokes(input, i, std::min(i + kCancelStride, input.strokes.size()), counters);
    }
    const std::span<const TranslationRecord> records =
        input.translations.value_or(std::span<const TranslationRecord>());
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (i % kCancelStride == 0 && StopRequested(pCancel))
            return std::nullopt;
        AddTranslation(input, records[i], counters);
    }
    if (StopRequested(pCancel))
        return std::nullopt;
    return StrokeStatistics{static_cast<std::int64_t>(input.strokes.size()),
                            input.nFirstIndex,
                            counters.speed.Finish(),
                            counters.pauses.Finish(),
                            counters.misstrokes.Finish(),
                            counters.keys.Finish(),
                            counters.spread.Finish()};
}

} // namespace statistics
