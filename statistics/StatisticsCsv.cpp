#include "statistics/StatisticsCsv.h"

#include "statistics/StatisticsText.h"
#include "statistics/TableWriter.h"

namespace statistics {

namespace {

void WriteSpan(CTableWriter& out, const SpeedStatistics& speed)
{
    if (speed.minutes.empty())
        return;
    out.Row("first minute", MinuteText(speed.nFirstMinute));
    out.Row("last minute", MinuteText(speed.minutes.back().nMinute));
    out.Row("minutes", speed.nMinuteCount);
    out.Row("minutes with strokes", static_cast<std::int64_t>(speed.minutes.size()));
}

void WritePerMinute(CTableWriter& out, const SpeedStatistics& speed,
                    std::int64_t MinuteCount::*pCount, std::string_view what)
{
    const std::optional<PerMinute> perMinute = PerMinuteOf(speed, pCount);
    if (!perMinute)
        return;
    out.Row(std::string("peak ") + std::string(what) + " per minute", perMinute->nPeak);
    out.Row(std::string("peak ") + std::string(what) + " minute", MinuteText(perMinute->nPeakMinute));
    out.Row(std::string("mean ") + std::string(what) + " per minute", perMinute->mean);
}

void WriteSummary(CTableWriter& out, const StrokeStatistics& stats)
{
    out.Begin({"figure", "value"});
    out.Row("strokes", stats.nStrokes);
    out.Row("first stroke", stats.nFirstIndex);
    WriteSpan(out, stats.speed);
    WritePerMinute(out, stats.speed, &MinuteCount::nStrokes, "strokes");
    if (stats.misstrokes.bTranslated)
        WritePerMinute(out, stats.speed, &MinuteCount::nWords, "words");
    out.Row("pauses", stats.pauses.nPauses);
    out.Row("strokes timed before the one above", stats.pauses.nBackwards);
    out.Row("misstrokes", stats.misstrokes.nCount);
    out.Row("misstroke outlines", stats.misstrokes.nOutlines);
    out.Row("strokes with two timed keys", stats.spread.nStrokes);
    out.Row("possibly stacked", static_cast<std::int64_t>(stats.spread.stacked.size()));
    out.Row("stacked over ms", stats.spread.nThresholdMs);
}

} // namespace

void WriteStatisticsCsv(base::CBufferedWriter& out, const StrokeStatistics& stats)
{
    CTableWriter tables(out, kCsvTables, false);
    WriteSummary(tables, stats);
    WriteStatisticsTables(tables, stats);
}

} // namespace statistics
