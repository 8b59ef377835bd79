#include "statistics/PausePlot.h"

#include "platform/core/TextMeasurer.h"
#include "statistics/PlotScale.h"
#include "statistics/PlotTable.h"

#include <algorithm>
#include <cmath>

namespace statistics {

namespace {

constexpr int kMinTickGap = 24;
constexpr int kLabelGap = 4;
constexpr int kScaleLabelGap = 6;

struct ScaleMark
{
    double seconds;
    const wchar_t* pszText;
};

constexpr ScaleMark kScaleMarks[] = {
    {0.1, L"0.1 s"}, {1, L"1 s"}, {10, L"10 s"}, {60, L"1 min"}, {600, L"10 min"},
};

constexpr TableColumn kLongestColumns[] = {
    {L"Pause", 55, platform::kDtLeft},
    {L"Stroke", 45, platform::kDtRight},
};

int SlotLeft(const platform::Rect& rcPlot, int nSlot)
{
    return rcPlot.left + nSlot * rcPlot.Width() / kPauseBinCount;
}

/// Where a pause of that length lies on the scale: bin 1 starts at 0.1 s,
/// the last bin at 10 minutes.
int ScaleX(const platform::Rect& rcPlot, double seconds)
{
    const double slots = 1 + kPauseScaleBins * std::log(seconds / kShortestPause) /
                                 std::log(kLongestPause / kShortestPause);
    return rcPlot.left + static_cast<int>(std::lround(slots * rcPlot.Width() / kPauseBinCount));
}

void AddScaleLabels(PlotPicture& picture, const platform::Rect& rcPlot,
                    const platform::TextMeasurer& measurer)
{
    const platform::Size extent = measurer.TextExtent(L"0");
    int nFreeFrom = rcPlot.left - rcPlot.Width();
    for (const ScaleMark& mark : kScaleMarks) {
        const int x = ScaleX(rcPlot, mark.seconds);
        const int nHalf = measurer.TextWidth(mark.pszText) / 2;
        picture.Line({x, rcPlot.bottom}, {x, rcPlot.bottom + kLabelGap / 2}, PlotInk::Axis);
        // Labels that would run into the one before are left out; the last
        // ends at the plot's right edge.
        const int nLeft = std::min(x - nHalf, rcPlot.right - 2 * nHalf - 1);
        if (nLeft < nFreeFrom)
            continue;
        picture.Label({nLeft, rcPlot.bottom + kLabelGap, nLeft + 2 * nHalf + 1,
                       rcPlot.bottom + kLabelGap + extent.cy},
                      mark.pszText,
                      platform::kDtCenter | platform::kDtSingleLine | platform::kDtNoClip,
                      PlotInk::Faint);
        nFreeFrom = nLeft + 2 * nHalf + 1 + kScaleLabelGap;
    }
}

} // namespace

void LayOutPauses(PlotPicture& picture, const PauseStatistics& pauses, const platform::Rect& rc,
                  const platform::TextMeasurer& measurer)
{
    const int nLineHeight = measurer.TextExtent(L"0").cy;
    const std::int64_t nPeak = *std::max_element(pauses.bins.begin(), pauses.bins.end());
    const ValueAxis axis = MakeValueAxis(static_cast<double>(nPeak), rc.top + nLineHeight / 2,
                                         rc.bottom - nLineHeight - kLabelGap, kMinTickGap);
    const int nLabelWidth = TickLabelWidth(axis, measurer);
    const platform::Rect rcPlot{rc.left + nLabelWidth + kLabelGap, axis.nTop, rc.right,
                                axis.nBottom};
    AddValueAxis(picture, axis, rcPlot, nLabelWidth, nLineHeight);
    for (int nBin = 0; nBin < kPauseBinCount; ++nBin) {
        const std::int64_t nCount = pauses.bins[static_cast<std::size_t>(nBin)];
        if (nCount == 0)
            continue;
        const int nLeft = SlotLeft(rcPlot, nBin);
        const int nRight = SlotLeft(rcPlot, nBin + 1);
        picture.Fill({nLeft + 1, axis.Y(static_cast<double>(nCount)), nRight - 1, axis.nBottom},
                     PlotInk::Bar);
        picture.Target({nLeft, rcPlot.top, nRight, rcPlot.bottom}, TargetKind::PauseBin, nBin);
    }
    AddScaleLabels(picture, rcPlot, measurer);
}

void LayOutLongestPauses(PlotPicture& picture, const PauseStatistics& pauses,
                         const platform::Rect& rc, const platform::TextMeasurer& measurer)
{
    std::vector<TableRow> rows;
    for (const LongPause& pause : pauses.longest)
        rows.push_back({{PauseText(pause.nSeconds), StrokeNumberText(pause.nStroke)}, pause.nStroke});
    LayOutTable(picture, rc, measurer.TextExtent(L"0").cy, kLongestColumns, rows);
}

std::wstring PauseText(std::int64_t nSeconds)
{
    const auto twoDigits = [](std::int64_t n) {
        return (n < 10 ? L"0" : L"") + std::to_wstring(n);
    };
    if (nSeconds < 60)
        return std::to_wstring(nSeconds) + L" s";
    if (nSeconds < 3600)
        return std::to_wstring(nSeconds / 60) + L" min " + twoDigits(nSeconds % 60) + L" s";
    return std::to_wstring(nSeconds / 3600) + L" h " + twoDigits(nSeconds / 60 % 60) + L" min";
}

} // namespace statistics
