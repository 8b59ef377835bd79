#include "statistics/KeyPlots.h"

#include "platform/core/TextMeasurer.h"
#include "statistics/PlotScale.h"
#include "statistics/StatisticsText.h"

#include <algorithm>

namespace statistics {

namespace {

constexpr int kMinTickGap = 22;
constexpr int kLabelGap = 4;
constexpr double kPercent = 100;
constexpr const wchar_t* kPercentSuffix = L"%";

struct KeyColumns
{
    int nLeft = 0;
    int nWidth = 0;

    int Left(int nKey) const { return nLeft + nKey * nWidth / steno::kKeyCount; }
    int Centre(int nKey) const { return (Left(nKey) + Left(nKey + 1)) / 2; }
};

/// The value axis of a plot in rc, leaving a line for the key names below.
ValueAxis AxisIn(const platform::Rect& rc, double maxValue, int nLineHeight)
{
    return MakeValueAxis(maxValue, rc.top + nLineHeight / 2, rc.bottom - nLineHeight - kLabelGap,
                         kMinTickGap);
}

void AddKeyNames(PlotPicture& picture, const KeyColumns& columns, int nTop, int nLineHeight)
{
    for (int nKey = 0; nKey < steno::kKeyCount; ++nKey)
        picture.Label({columns.Left(nKey), nTop, columns.Left(nKey + 1), nTop + nLineHeight},
                      KeyName(nKey),
                      platform::kDtCenter | platform::kDtSingleLine | platform::kDtNoPrefix,
                      PlotInk::Faint);
}

void AddBoxPlot(PlotPicture& picture, const ValueSummary& values, const ValueAxis& axis,
                int nCentre, int nHalf)
{
    const int nMax = axis.Y(values.nMax);
    const int nUpper = axis.Y(values.upperQuartile);
    const int nMedian = axis.Y(values.median);
    const int nLower = axis.Y(values.lowerQuartile);
    const int nMin = axis.Y(values.nMin);
    picture.Fill({nCentre - nHalf, nUpper, nCentre + nHalf + 1, nLower + 1}, PlotInk::Box);
    picture.Line({nCentre, nMax}, {nCentre, nUpper}, PlotInk::Axis);
    picture.Line({nCentre, nLower}, {nCentre, nMin}, PlotInk::Axis);
    picture.Line({nCentre - nHalf / 2, nMax}, {nCentre + nHalf / 2, nMax}, PlotInk::Axis);
    picture.Line({nCentre - nHalf / 2, nMin}, {nCentre + nHalf / 2, nMin}, PlotInk::Axis);
    picture.Line({nCentre - nHalf, nMedian}, {nCentre + nHalf, nMedian}, PlotInk::Median);
}

void AddValues(PlotPicture& picture, const KeyTable& keys, const ValueAxis& axis,
               const KeyColumns& columns)
{
    const int nHalf = std::max(2, columns.nWidth / steno::kKeyCount * 3 / 10);
    for (const KeyStatistics& key : keys) {
        if (key.values.nCount > 0)
            AddBoxPlot(picture, key.values, axis, columns.Centre(key.nKey), nHalf);
    }
}

/// Per cent of the strokes with the key down in which it was marked; 0 for a key never down.
double MarkedRate(const KeyStatistics& key)
{
    return key.nDown == 0 ? 0
                          : kPercent * static_cast<double>(key.nMarked) /
                                static_cast<double>(key.nDown);
}

void AddMarkedRates(PlotPicture& picture, const KeyTable& keys, const ValueAxis& axis,
                    const KeyColumns& columns)
{
    const int nHalf = std::max(2, columns.nWidth / steno::kKeyCount * 3 / 10);
    for (const KeyStatistics& key : keys) {
        if (key.nMarked == 0)
            continue;
        const int nCentre = columns.Centre(key.nKey);
        picture.Fill({nCentre - nHalf, axis.Y(MarkedRate(key)), nCentre + nHalf + 1, axis.nBottom},
                     PlotInk::Marked);
    }
}

} // namespace

void LayOutKeys(PlotPicture& picture, const KeyTable& keys, const platform::Rect& rcValues,
                const platform::Rect& rcMarked, const platform::TextMeasurer& measurer)
{
    const int nLineHeight = measurer.TextExtent(L"0").cy;
    const auto highest = std::max_element(
        keys.begin(), keys.end(),
        [](const KeyStatistics& a, const KeyStatistics& b) { return a.values.nMax < b.values.nMax; });
    const ValueAxis values = AxisIn(rcValues, highest->values.nMax, nLineHeight);
    double highestRate = 0;
    for (const KeyStatistics& key : keys)
        highestRate = std::max(highestRate, MarkedRate(key));
    // Rates are mostly small: the axis goes up to the highest, not to 100 %.
    const ValueAxis marked = AxisIn(rcMarked, std::min(highestRate, kPercent), nLineHeight);
    // One label width for both, so their key columns line up.
    const int nLabelWidth = std::max(TickLabelWidth(values, measurer),
                                     TickLabelWidth(marked, measurer, kPercentSuffix));
    const int nLeft = rcValues.left + nLabelWidth + kLabelGap;
    const KeyColumns columns{nLeft, rcValues.right - nLeft};
    AddValueAxis(picture, values, {nLeft, values.nTop, rcValues.right, values.nBottom},
                 nLabelWidth, nLineHeight);
    AddValueAxis(picture, marked, {nLeft, marked.nTop, rcMarked.right, marked.nBottom},
                 nLabelWidth, nLineHeight, kPercentSuffix);
    AddValues(picture, keys, values, columns);
    AddMarkedRates(picture, keys, marked, columns);
    AddKeyNames(picture, columns, values.nBottom + kLabelGap, nLineHeight);
    AddKeyNames(picture, columns, marked.nBottom + kLabelGap, nLineHeight);
}

} // namespace statistics
