#include "statistics/SpeedPlot.h"

#include "base/LocalTime.h"
#include "platform/core/TextMeasurer.h"
#include "statistics/PlotScale.h"

#include <algorithm>
#include <vector>

namespace statistics {

namespace {

constexpr int kMinTickGap = 28;
constexpr int kLabelGap = 4;
constexpr int kMarkLabelGap = 12;
constexpr int kMinMarkWidth = 7;
constexpr std::int64_t kSecondsPerHour = 3600;
constexpr std::int64_t kSecondsPerDay = 24 * kSecondsPerHour;

/// Marks every nHours local hours; from a day on, at local midnights.
struct MarkStep
{
    int nHours;
    const char* pszFormat;
    const wchar_t* pszWidest;
};

constexpr MarkStep kMarkSteps[] = {
    {1, "%H:%M", L"00:00"},         {2, "%H:%M", L"00:00"},
    {3, "%H:%M", L"00:00"},         {4, "%H:%M", L"00:00"},
    {6, "%H:%M", L"00:00"},         {12, "%H:%M", L"00:00"},
    {24, "%m-%d", L"00-00"},        {48, "%m-%d", L"00-00"},
    {168, "%m-%d", L"00-00"},       {720, "%Y-%m-%d", L"0000-00-00"},
    {2160, "%Y-%m-%d", L"0000-00-00"}, {8760, "%Y-%m-%d", L"0000-00-00"},
};

/// The start of the local hour (or day) that holds t; -1 when t has no local time.
std::int64_t PeriodStart(std::int64_t t, bool bDay)
{
    std::tm fields{};
    if (!base::ToLocalFields(t, fields))
        return -1;
    return t - (bDay ? fields.tm_hour * kSecondsPerHour : 0) - fields.tm_min * 60 - fields.tm_sec;
}

/// The start of the period nPeriods on: half a period past it still lies
/// within it, however daylight saving moved the clock.
std::int64_t PeriodAfter(std::int64_t t, bool bDay, int nPeriods)
{
    const std::int64_t nLength = bDay ? kSecondsPerDay : kSecondsPerHour;
    return PeriodStart(t + nPeriods * nLength + nLength / 2, bDay);
}

bool OnStep(std::int64_t t, const MarkStep& step)
{
    return step.nHours >= 24 || base::LocalHour(t) % step.nHours == 0;
}

/// The mark times in [from, to).
std::vector<std::int64_t> MarkTimes(std::int64_t from, std::int64_t to, const MarkStep& step)
{
    const bool bDay = step.nHours >= 24;
    const int nPeriods = bDay ? step.nHours / 24 : step.nHours;
    std::int64_t t = PeriodStart(from, bDay);
    if (t >= 0 && t < from)
        t = PeriodAfter(t, bDay, 1);
    while (t >= 0 && t < to && !OnStep(t, step))
        t = PeriodAfter(t, bDay, 1);
    std::vector<std::int64_t> times;
    while (t >= 0 && t < to) {
        times.push_back(t);
        t = PeriodAfter(t, bDay, nPeriods);
        while (t >= 0 && t < to && !OnStep(t, step))
            t = PeriodAfter(t, bDay, 1);
    }
    return times;
}

/// The shortest step whose labels fit side by side; none when even a year is too tight.
const MarkStep* ChooseMarkStep(const MinuteColumns& columns, const platform::TextMeasurer& measurer)
{
    const double pixelsPerHour = static_cast<double>(columns.nWidth) * 60 /
                                 static_cast<double>(std::max<std::int64_t>(columns.nMinutes, 1));
    for (const MarkStep& step : kMarkSteps) {
        if (pixelsPerHour * step.nHours >= measurer.TextWidth(step.pszWidest) + kMarkLabelGap)
            return &step;
    }
    return nullptr;
}

void AddHourMarks(PlotPicture& picture, const SpeedPlot& plot, const platform::TextMeasurer& measurer)
{
    const MinuteColumns& columns = plot.columns;
    const MarkStep* pStep = ChooseMarkStep(columns, measurer);
    if (pStep == nullptr || columns.nMinutes == 0)
        return;
    const std::int64_t from = columns.nFirstMinute * kSecondsPerMinute;
    const std::int64_t to = from + columns.nMinutes * kSecondsPerMinute;
    const int nLabelWidth = measurer.TextWidth(pStep->pszWidest);
    const int nLineHeight = measurer.TextExtent(L"0").cy;
    const platform::Rect& rc = plot.rcPlot;
    for (const std::int64_t t : MarkTimes(from, to, *pStep)) {
        const int x = columns.nLeft + static_cast<int>((t - from) * columns.nWidth / (to - from));
        picture.Line({x, rc.top}, {x, rc.bottom + kLabelGap / 2}, PlotInk::HourMark);
        // A label too near the right end is left out rather than cut.
        if (x + nLabelWidth / 2 + 1 > rc.right)
            continue;
        picture.Label({x - nLabelWidth / 2, rc.bottom + kLabelGap, x + nLabelWidth / 2 + 1,
                       rc.bottom + kLabelGap + nLineHeight},
                      base::FormatLocalTime(t, pStep->pszFormat),
                      platform::kDtCenter | platform::kDtSingleLine | platform::kDtNoClip,
                      PlotInk::Faint);
    }
}

/// The busiest minute of each column.
std::vector<std::int64_t> ColumnPeaks(const SpeedStatistics& speed, const MinuteColumns& columns)
{
    std::vector<std::int64_t> peaks(static_cast<std::size_t>(columns.nColumns));
    for (const MinuteCount& minute : speed.minutes) {
        std::int64_t& nPeak = peaks[static_cast<std::size_t>(columns.ColumnOf(minute.nMinute))];
        nPeak = std::max(nPeak, minute.nStrokes);
    }
    return peaks;
}

void AddBars(PlotPicture& picture, const SpeedPlot& plot, const std::vector<std::int64_t>& peaks,
             const ValueAxis& axis)
{
    const MinuteColumns& columns = plot.columns;
    for (int c = 0; c < columns.nColumns; ++c) {
        const std::int64_t nPeak = peaks[static_cast<std::size_t>(c)];
        if (nPeak == 0)
            continue;
        const int nLeft = columns.LeftOf(c);
        const int nRight = columns.LeftOf(c + 1);
        // Bars wide enough keep a pixel of space between them.
        const int nGap = nRight - nLeft >= 3 ? 1 : 0;
        picture.Fill({nLeft, axis.Y(static_cast<double>(nPeak)), nRight - nGap, axis.nBottom},
                     PlotInk::Bar);
        picture.Target({nLeft, plot.rcPlot.top, nRight, plot.rcPlot.bottom}, TargetKind::Minutes,
                       columns.FirstMinuteOf(c), columns.FirstMinuteOf(c + 1));
    }
}

} // namespace

MinuteColumns::MinuteColumns(const SpeedStatistics& speed, int nLeft, int nWidth)
    : nFirstMinute(speed.nFirstMinute), nMinutes(speed.nMinuteCount), nLeft(nLeft),
      nWidth(std::max(nWidth, 0)),
      nColumns(static_cast<int>(std::min<std::int64_t>(speed.nMinuteCount, this->nWidth)))
{
}

int MinuteColumns::ColumnOf(std::int64_t nMinute) const
{
    const std::int64_t nIndex = nMinute - nFirstMinute;
    if (nIndex < 0 || nIndex >= nMinutes || nColumns == 0)
        return -1;
    return static_cast<int>(nIndex * nColumns / nMinutes);
}

std::int64_t MinuteColumns::FirstMinuteOf(int nColumn) const
{
    // The smallest minute index i with i * nColumns / nMinutes == nColumn.
    return nFirstMinute + (nColumn * nMinutes + nColumns - 1) / nColumns;
}

int MinuteColumns::LeftOf(int nColumn) const
{
    return nLeft + static_cast<int>(std::int64_t{nColumn} * nWidth / nColumns);
}

SpeedPlot LayOutSpeed(PlotPicture& picture, const SpeedStatistics& speed, const platform::Rect& rc,
                      const platform::TextMeasurer& measurer)
{
    const int nLineHeight = measurer.TextExtent(L"0").cy;
    const int nPlotBottom = rc.bottom - nLineHeight - kLabelGap;
    SpeedPlot plot;
    const auto peakOf = [](const MinuteCount& a, const MinuteCount& b) {
        return a.nStrokes < b.nStrokes;
    };
    const auto peak = std::max_element(speed.minutes.begin(), speed.minutes.end(), peakOf);
    const double maxValue = peak == speed.minutes.end() ? 1 : static_cast<double>(peak->nStrokes);
    const ValueAxis axis = MakeValueAxis(maxValue, rc.top + nLineHeight / 2, nPlotBottom, kMinTickGap);
    const int nLabelWidth = TickLabelWidth(axis, measurer);
    plot.rcPlot = {rc.left + nLabelWidth + kLabelGap, axis.nTop, rc.right, nPlotBottom};
    plot.columns = MinuteColumns(speed, plot.rcPlot.left, plot.rcPlot.Width());
    AddValueAxis(picture, axis, plot.rcPlot, nLabelWidth, nLineHeight);
    if (plot.columns.nColumns == 0)
        return plot;
    AddBars(picture, plot, ColumnPeaks(speed, plot.columns), axis);
    AddHourMarks(picture, plot, measurer);
    return plot;
}

platform::Rect CurrentMinuteMark(const SpeedPlot& plot, std::int64_t nMinute)
{
    const int nColumn = plot.columns.ColumnOf(nMinute);
    if (nColumn < 0)
        return {};
    int nLeft = plot.columns.LeftOf(nColumn);
    int nRight = plot.columns.LeftOf(nColumn + 1);
    if (nRight - nLeft < kMinMarkWidth) {
        nLeft -= (kMinMarkWidth - (nRight - nLeft)) / 2;
        nRight = nLeft + kMinMarkWidth;
    }
    return {nLeft, plot.rcPlot.top, nRight, plot.rcPlot.bottom};
}

} // namespace statistics
