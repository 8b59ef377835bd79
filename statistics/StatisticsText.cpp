#include "statistics/StatisticsText.h"

#include "base/BufferedWriter.h"
#include "base/LocalTime.h"
#include "statistics/TableWriter.h"
#include "steno/StenoEncoder.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace statistics {

namespace {

using base::CBufferedWriter;

CBufferedWriter& operator<<(CBufferedWriter& out, int nValue)
{
    return out << std::int64_t{nValue};
}

std::string ThreeDigits(double value)
{
    char szText[32];
    std::snprintf(szText, sizeof szText, "%.3g", value);
    return szText;
}

/// "peak N at MINUTE, mean M" over the minutes that hold strokes.
void WritePerMinute(CBufferedWriter& out, const SpeedStatistics& speed,
                    std::int64_t MinuteCount::*pCount)
{
    const std::optional<PerMinute> perMinute = PerMinuteOf(speed, pCount);
    if (!perMinute) {
        out << "none\n";
        return;
    }
    out << "peak " << perMinute->nPeak << " at "
        << std::wstring_view(MinuteText(perMinute->nPeakMinute)) << ", mean "
        << std::string_view(MeanText(perMinute->mean)) << '\n';
}

void WriteSummary(CBufferedWriter& out, const StrokeStatistics& stats)
{
    const SpeedStatistics& speed = stats.speed;
    out << "strokes: " << stats.nStrokes << '\n';
    out << "span: ";
    if (speed.minutes.empty())
        out << "none\n";
    else
        out << std::wstring_view(MinuteText(speed.nFirstMinute)) << " to "
            << std::wstring_view(MinuteText(speed.minutes.back().nMinute)) << ", "
            << speed.nMinuteCount << " minutes, " << static_cast<std::int64_t>(speed.minutes.size())
            << " with strokes\n";
    out << "strokes per minute: ";
    WritePerMinute(out, speed, &MinuteCount::nStrokes);
    out << "words per minute: ";
    if (stats.misstrokes.bTranslated)
        WritePerMinute(out, speed, &MinuteCount::nWords);
    else
        out << "no translation\n";
}

void WriteCounts(CBufferedWriter& out, const StrokeStatistics& stats)
{
    const MisstrokeStatistics& misstrokes = stats.misstrokes;
    out << "pauses: " << stats.pauses.nPauses << ", " << stats.pauses.nBackwards
        << " strokes timed before the one above left out\n";
    out << "misstrokes: " << misstrokes.nCount << " of " << misstrokes.nOutlines << " outlines, "
        << (misstrokes.bTranslated ? "translations undone by *" : "strokes followed by *") << '\n';
    out << "possibly stacked: " << static_cast<std::int64_t>(stats.spread.stacked.size()) << " of "
        << stats.spread.nStrokes << " strokes with two timed keys, over "
        << stats.spread.nThresholdMs << " ms\n";
}

void WriteMinutes(CTableWriter& out, const SpeedStatistics& speed)
{
    out.Begin({"minute", "strokes", "words"});
    for (const MinuteCount& minute : speed.minutes)
        out.Row(MinuteText(minute.nMinute), minute.nStrokes, minute.nWords);
}

void WritePauses(CTableWriter& out, const PauseStatistics& pauses)
{
    out.Begin({"pause from s", "pauses"});
    for (int nBin = 0; nBin < kPauseBinCount; ++nBin)
        out.Row(ThreeDigits(PauseBinStart(nBin)), pauses.bins[static_cast<std::size_t>(nBin)]);
    out.Begin({"longest pause s", "stroke"});
    for (const LongPause& pause : pauses.longest)
        out.Row(pause.nSeconds, pause.nStroke);
}

void WriteMisstrokes(CTableWriter& out, const MisstrokeStatistics& misstrokes)
{
    out.Begin({"misstroke", "count", "first stroke", "text"});
    for (const Misstroke& misstroke : misstrokes.top)
        out.Row(misstroke.strOutline, misstroke.nCount, misstroke.nFirstStroke, misstroke.strText);
}

void WriteKeys(CTableWriter& out, const KeyTable& keys)
{
    out.Begin({"key", "down", "marked", "values", "min", "lower quartile", "median",
               "upper quartile", "max"});
    for (const KeyStatistics& key : keys) {
        const ValueSummary& values = key.values;
        out.Row(KeyName(key.nKey), key.nDown, key.nMarked, values.nCount, values.nMin,
                values.lowerQuartile, values.median, values.upperQuartile, values.nMax);
    }
    out.Begin({"key values", "from", "bin width", "counts"});
    for (const KeyStatistics& key : keys)
        out.Row(KeyName(key.nKey), key.values.nMin, key.values.nBinWidth, key.values.histogram);
}

void WriteSpread(CTableWriter& out, const SpreadStatistics& spread)
{
    out.Begin({"spread from ms", "strokes"});
    for (std::size_t n = 0; n < spread.bins.size(); ++n)
        out.Row(static_cast<std::int64_t>(n) * kSpreadBinMs, spread.bins[n]);
    out.Begin({"stacked stroke", "spread ms"});
    for (const StackedStroke& stroke : spread.stacked)
        out.Row(stroke.nStroke, stroke.ms);
}

} // namespace

std::wstring KeyName(int nKey)
{
    return StenoKeysToText(steno::KeyBit(nKey), false, true);
}

std::wstring MinuteText(std::int64_t nMinute)
{
    return base::FormatLocalTime(nMinute * kSecondsPerMinute, "%Y-%m-%d %H:%M");
}

std::optional<PerMinute> PerMinuteOf(const SpeedStatistics& speed,
                                     std::int64_t MinuteCount::*pCount)
{
    const auto peak = std::max_element(
        speed.minutes.begin(), speed.minutes.end(),
        [&](const MinuteCount& a, const MinuteCount& b) { return a.*pCount < b.*pCount; });
    if (peak == speed.minutes.end())
        return std::nullopt;
    std::int64_t nTotal = 0;
    for (const MinuteCount& minute : speed.minutes)
        nTotal += minute.*pCount;
    return PerMinute{peak->nMinute, (*peak).*pCount,
                     static_cast<double>(nTotal) / static_cast<double>(speed.minutes.size())};
}

std::string MeanText(double mean)
{
    char szText[32];
    std::snprintf(szText, sizeof szText, "%.1f", mean);
    return szText;
}

std::string NumberText(double value)
{
    char szText[32];
    const auto result = std::to_chars(szText, szText + sizeof szText, value);
    return std::string(szText, result.ptr);
}

void WriteStatisticsTables(CTableWriter& out, const StrokeStatistics& stats)
{
    WriteMinutes(out, stats.speed);
    WritePauses(out, stats.pauses);
    WriteMisstrokes(out, stats.misstrokes);
    WriteKeys(out, stats.keys);
    WriteSpread(out, stats.spread);
}

void WriteStatisticsText(CBufferedWriter& out, const StrokeStatistics& stats)
{
    WriteSummary(out, stats);
    WriteCounts(out, stats);
    CTableWriter tables(out, kTextTables, true);
    WriteStatisticsTables(tables, stats);
}

} // namespace statistics
