#include "statistics/StatisticsText.h"

#include "base/BufferedWriter.h"
#include "base/LocalTime.h"
#include "steno/StenoEncoder.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace statistics {

namespace {

using base::CBufferedWriter;

CBufferedWriter& operator<<(CBufferedWriter& out, double value)
{
    return out << std::string_view(NumberText(value));
}

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

std::string MeanText(std::int64_t nTotal, std::int64_t nParts)
{
    char szText[32];
    std::snprintf(szText, sizeof szText, "%.1f",
                  static_cast<double>(nTotal) / static_cast<double>(nParts));
    return szText;
}

/// "peak N at MINUTE, mean M" over the minutes that hold strokes.
void WritePerMinute(CBufferedWriter& out, const SpeedStatistics& speed,
                    std::int64_t MinuteCount::*pCount)
{
    const auto peak = std::max_element(
        speed.minutes.begin(), speed.minutes.end(),
        [&](const MinuteCount& a, const MinuteCount& b) { return a.*pCount < b.*pCount; });
    if (peak == speed.minutes.end()) {
        out << "none\n";
        return;
    }
    std::int64_t nTotal = 0;
    for (const MinuteCount& minute : speed.minutes)
        nTotal += minute.*pCount;
    out << "peak " << (*peak).*pCount << " at " << std::wstring_view(MinuteText(peak->nMinute))
        << ", mean "
        << std::string_view(MeanText(nTotal, static_cast<std::int64_t>(speed.minutes.size())))
        << '\n';
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

void WriteMinutes(CBufferedWriter& out, const SpeedStatistics& speed)
{
    out << "\nminute\tstrokes\twords\n";
    for (const MinuteCount& minute : speed.minutes)
        out << std::wstring_view(MinuteText(minute.nMinute)) << '\t' << minute.nStrokes << '\t'
            << minute.nWords << '\n';
}

void WritePauses(CBufferedWriter& out, const PauseStatistics& pauses)
{
    out << "\npause from s\tpauses\n";
    for (int nBin = 0; nBin < kPauseBinCount; ++nBin)
        out << std::string_view(ThreeDigits(PauseBinStart(nBin))) << '\t'
            << pauses.bins[static_cast<std::size_t>(nBin)] << '\n';
    out << "\nlongest pause s\tstroke\n";
    for (const LongPause& pause : pauses.longest)
        out << pause.nSeconds << '\t' << pause.nStroke << '\n';
}

void WriteMisstrokes(CBufferedWriter& out, const MisstrokeStatistics& misstrokes)
{
    out << "\nmisstroke\tcount\tfirst stroke\ttext\n";
    for (const Misstroke& misstroke : misstrokes.top)
        out << std::wstring_view(misstroke.strOutline) << '\t' << misstroke.nCount << '\t'
            << misstroke.nFirstStroke << '\t' << std::wstring_view(misstroke.strText) << '\n';
}

void WriteKeys(CBufferedWriter& out, const KeyTable& keys)
{
    out << "\nkey\tdown\tmarked\tvalues\tmin\tlower quartile\tmedian\tupper quartile\tmax\n";
    for (const KeyStatistics& key : keys) {
        const ValueSummary& values = key.values;
        out << std::wstring_view(KeyName(key.nKey)) << '\t' << key.nDown << '\t' << key.nMarked
            << '\t' << values.nCount << '\t' << values.nMin << '\t' << values.lowerQuartile << '\t'
            << values.median << '\t' << values.upperQuartile << '\t' << values.nMax << '\n';
    }
    out << "\nkey values\tfrom\tbin width\tcounts\n";
    for (const KeyStatistics& key : keys) {
        out << std::wstring_view(KeyName(key.nKey)) << '\t' << key.values.nMin << '\t'
            << key.values.nBinWidth << '\t';
        const char* separator = "";
        for (std::int64_t nCount : key.values.histogram) {
            out << separator << nCount;
            separator = " ";
        }
        out << '\n';
    }
}

void WriteSpread(CBufferedWriter& out, const SpreadStatistics& spread)
{
    out << "\nspread from ms\tstrokes\n";
    for (std::size_t n = 0; n < spread.bins.size(); ++n)
        out << static_cast<std::int64_t>(n) * kSpreadBinMs << '\t' << spread.bins[n] << '\n';
    out << "\nstacked stroke\tspread ms\n";
    for (const StackedStroke& stroke : spread.stacked)
        out << stroke.nStroke << '\t' << stroke.ms << '\n';
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

std::string NumberText(double value)
{
    char szText[32];
    const auto result = std::to_chars(szText, szText + sizeof szText, value);
    return std::string(szText, result.ptr);
}

void WriteStatisticsText(CBufferedWriter& out, const StrokeStatistics& stats)
{
    WriteSummary(out, stats);
    WriteCounts(out, stats);
    WriteMinutes(out, stats.speed);
    WritePauses(out, stats.pauses);
    WriteMisstrokes(out, stats.misstrokes);
    WriteKeys(out, stats.keys);
    WriteSpread(out, stats.spread);
}

} // namespace statistics
