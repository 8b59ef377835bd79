#include "statistics/PlotScale.h"

#include "platform/core/TextMeasurer.h"

#include <algorithm>
#include <cmath>

namespace statistics {

namespace {

constexpr double kNiceSteps[] = {1, 2, 5};

/// The smallest round step at or above the raw step, never below 1.
double RoundStep(double rawStep)
{
    for (double power = 1;; power *= 10) {
        for (double nice : kNiceSteps) {
            if (nice * power >= rawStep)
                return nice * power;
        }
    }
}

/// Ticks from 0 to the top, their count decided by the step alone.
int TickCount(const ValueAxis& axis)
{
    return static_cast<int>(std::lround(axis.top / axis.step));
}

} // namespace

int ValueAxis::Y(double value) const
{
    const double share = std::clamp(value / top, 0.0, 1.0);
    return nBottom - static_cast<int>(std::lround(share * (nBottom - nTop)));
}

ValueAxis MakeValueAxis(double maxValue, int nTop, int nBottom, int nMinGap)
{
    const double value = std::max(maxValue, 1.0);
    const int nTicks = std::max(1, (nBottom - nTop) / std::max(nMinGap, 1));
    ValueAxis axis;
    axis.step = RoundStep(value / nTicks);
    axis.top = std::ceil(value / axis.step) * axis.step;
    axis.nTop = nTop;
    axis.nBottom = nBottom;
    return axis;
}

std::wstring TickText(double value, const wchar_t* pszSuffix)
{
    return std::to_wstring(std::llround(value)) + pszSuffix;
}

int TickLabelWidth(const ValueAxis& axis, const platform::TextMeasurer& measurer,
                   const wchar_t* pszSuffix)
{
    // The top label is the longest: every tick is a whole number at most the top.
    return measurer.TextWidth(TickText(axis.top, pszSuffix));
}

void AddValueAxis(PlotPicture& picture, const ValueAxis& axis, const platform::Rect& rcPlot,
                  int nLabelWidth, int nLineHeight, const wchar_t* pszSuffix)
{
    constexpr int kLabelGap = 4;
    for (int n = 0; n <= TickCount(axis); ++n) {
        const double value = n * axis.step;
        const int y = axis.Y(value);
        if (n > 0)
            picture.Line({rcPlot.left, y}, {rcPlot.right - 1, y}, PlotInk::Grid);
        picture.Label({rcPlot.left - kLabelGap - nLabelWidth, y - nLineHeight / 2,
                       rcPlot.left - kLabelGap, y - nLineHeight / 2 + nLineHeight},
                      TickText(value, pszSuffix),
                      platform::kDtRight | platform::kDtSingleLine | platform::kDtNoClip,
                      PlotInk::Faint);
    }
    picture.Line({rcPlot.left, axis.nBottom}, {rcPlot.right - 1, axis.nBottom}, PlotInk::Axis);
}

} // namespace statistics
