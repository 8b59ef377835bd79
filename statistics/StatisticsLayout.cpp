#include "statistics/StatisticsLayout.h"

#include "base/LocalTime.h"
#include "platform/core/TextMeasurer.h"
#include "statistics/KeyPlots.h"
#include "statistics/MisstrokeTable.h"
#include "statistics/PausePlot.h"
#include "statistics/StatisticsText.h"

namespace statistics {

namespace {

constexpr int kMargin = 10;
constexpr int kPanelGap = 14;
constexpr int kTitleGap = 3;
constexpr const wchar_t* kWidestState = L"Computing...";
constexpr int kStateGap = 16;
constexpr const wchar_t* kSeparator = L"  \u00B7  ";

struct Panels
{
    platform::Rect rcSummary;
    platform::Rect rcSpeed;
    platform::Rect rcPauses;
    platform::Rect rcLongest;
    platform::Rect rcMisstrokes;
    platform::Rect rcValues;
    platform::Rect rcMarked;
};

/// Rows of rc from nTop to nBottom.
platform::Rect Rows(const platform::Rect& rc, int nTop, int nBottom)
{
    return {rc.left, nTop, rc.right, nBottom};
}

/// Columns of rc from nLeft to nRight.
platform::Rect Columns(const platform::Rect& rc, int nLeft, int nRight)
{
    return {nLeft, rc.top, nRight, rc.bottom};
}

Panels SplitView(platform::Size view, int nLineHeight)
{
    const platform::Rect rcAll{kMargin, kMargin, view.cx - kMargin, view.cy - kMargin};
    Panels panels;
    panels.rcSummary = Rows(rcAll, rcAll.top, rcAll.top + nLineHeight);
    const int nTop = panels.rcSummary.bottom + kPanelGap;
    const int nHeight = rcAll.bottom - nTop - 3 * kPanelGap;
    const int nSpeedBottom = nTop + nHeight * 32 / 100;
    const int nMiddleBottom = nSpeedBottom + kPanelGap + nHeight * 29 / 100;
    const int nValuesBottom = nMiddleBottom + kPanelGap + nHeight * 24 / 100;
    panels.rcSpeed = Rows(rcAll, nTop, nSpeedBottom);
    const platform::Rect rcMiddle = Rows(rcAll, nSpeedBottom + kPanelGap, nMiddleBottom);
    const int nWidth = rcAll.Width() - 2 * kPanelGap;
    const int nPausesRight = rcAll.left + nWidth * 46 / 100;
    const int nLongestRight = nPausesRight + kPanelGap + nWidth * 22 / 100;
    panels.rcPauses = Columns(rcMiddle, rcAll.left, nPausesRight);
    panels.rcLongest = Columns(rcMiddle, nPausesRight + kPanelGap, nLongestRight);
    panels.rcMisstrokes = Columns(rcMiddle, nLongestRight + kPanelGap, rcAll.right);
    panels.rcValues = Rows(rcAll, nMiddleBottom + kPanelGap, nValuesBottom);
    panels.rcMarked = Rows(rcAll, nValuesBottom + kPanelGap, rcAll.bottom);
    return panels;
}

/// The panel's title on its first line; returns the room below it.
platform::Rect Titled(PlotPicture& picture, const platform::Rect& rc, std::wstring strTitle,
                      int nLineHeight)
{
    picture.Label(Rows(rc, rc.top, rc.top + nLineHeight), std::move(strTitle),
                  platform::kDtLeft | platform::kDtSingleLine | platform::kDtEndEllipsis |
                      platform::kDtNoPrefix,
                  PlotInk::Title, true);
    return Rows(rc, rc.top + nLineHeight + kTitleGap, rc.bottom);
}

std::wstring Count(std::int64_t nCount)
{
    return std::to_wstring(nCount);
}

std::wstring Wide(const std::string& str)
{
    return {str.begin(), str.end()};
}

std::wstring SpanText(const SpeedStatistics& speed)
{
    const std::int64_t first = speed.nFirstMinute * kSecondsPerMinute;
    const std::int64_t last = speed.minutes.back().nMinute * kSecondsPerMinute;
    const bool bOneDay =
        base::FormatLocalTime(first, "%Y%m%d") == base::FormatLocalTime(last, "%Y%m%d");
    return MinuteText(speed.nFirstMinute) + L" to " +
           (bOneDay ? base::FormatLocalTime(last, "%H:%M") : MinuteText(speed.minutes.back().nMinute));
}

/// "1 stroke", "2 strokes".
std::wstring Counted(std::int64_t nCount, const wchar_t* pszOne)
{
    return Count(nCount) + L" " + pszOne + (nCount == 1 ? L"" : L"s");
}

std::wstring PerMinuteText(const SpeedStatistics& speed, std::int64_t MinuteCount::*pCount,
                           const wchar_t* pszOne)
{
    const std::optional<PerMinute> perMinute = PerMinuteOf(speed, pCount);
    return L"peak " + Counted(perMinute->nPeak, pszOne) + L" a minute at " +
           base::FormatLocalTime(perMinute->nPeakMinute * kSecondsPerMinute, "%H:%M") +
           L", mean " + Wide(MeanText(perMinute->mean));
}

} // namespace

std::wstring SummaryText(const StrokeStatistics& stats)
{
    if (stats.nStrokes == 0)
        return L"No strokes";
    const std::int64_t nFirst = std::int64_t{stats.nFirstIndex} + 1;
    std::wstring strText = L"Strokes " + Count(nFirst) + L" to " +
                           Count(nFirst + stats.nStrokes - 1) + kSeparator +
                           SpanText(stats.speed) + kSeparator +
                           PerMinuteText(stats.speed, &MinuteCount::nStrokes, L"stroke");
    if (stats.misstrokes.bTranslated)
        strText += kSeparator + PerMinuteText(stats.speed, &MinuteCount::nWords, L"word");
    return strText + kSeparator + Count(static_cast<std::int64_t>(stats.spread.stacked.size())) +
           L" possibly stacked (over " + Count(stats.spread.nThresholdMs) + L" ms)";
}

StatisticsLayout LayOutStatistics(const StrokeStatistics& stats, platform::Size view,
                                  const platform::TextMeasurer& measurer)
{
    const int nLineHeight = measurer.TextExtent(L"0").cy;
    const Panels panels = SplitView(view, nLineHeight);
    StatisticsLayout layout;
    PlotPicture& picture = layout.picture;
    const platform::Rect& rcSummary = panels.rcSummary;
    layout.rcState = Columns(
        rcSummary, rcSummary.right - measurer.TextWidth(kWidestState) - kStateGap, rcSummary.right);
    picture.Label(Columns(rcSummary, rcSummary.left, layout.rcState.left), SummaryText(stats),
                  platform::kDtLeft | platform::kDtSingleLine | platform::kDtEndEllipsis |
                      platform::kDtNoPrefix);
    layout.speed = LayOutSpeed(picture, stats.speed,
                               Titled(picture, panels.rcSpeed, L"Strokes per minute", nLineHeight),
                               measurer);
    LayOutPauses(picture, stats.pauses,
                 Titled(picture, panels.rcPauses,
                        L"Pauses between strokes (" + Count(stats.pauses.nPauses) + L")",
                        nLineHeight),
                 measurer);
    LayOutLongestPauses(picture, stats.pauses,
                        Titled(picture, panels.rcLongest, L"Longest pauses", nLineHeight),
                        measurer);
    LayOutMisstrokes(picture, stats.misstrokes,
                     Titled(picture, panels.rcMisstrokes,
                            L"Misstrokes (" + Count(stats.misstrokes.nCount) + L")", nLineHeight),
                     measurer);
    LayOutKeys(picture, stats.keys,
               Titled(picture, panels.rcValues, L"Key values as the monitor shows them",
                      nLineHeight),
               Titled(picture, panels.rcMarked,
                      L"Keys the writer marked, per cent of the strokes with the key down",
                      nLineHeight),
               measurer);
    return layout;
}

} // namespace statistics
