#pragma once
// The value axis of a plot: from 0 up to a round top, with ticks at a round
// step (1, 2 or 5 times a power of ten, never below 1: the values counted are
// whole), as many as fit the plot's height with room between their labels.

#include "statistics/PlotPicture.h"

#include <string>

namespace platform {
class TextMeasurer;
}

namespace statistics {

struct ValueAxis
{
    double top = 1;  ///< the value at the plot's top row
    double step = 1; ///< between two ticks
    int nTop = 0;    ///< pixel row of the top value
    int nBottom = 0; ///< pixel row of 0, just below the plot

    /// The pixel row of a value; values above the top stay at the top.
    int Y(double value) const;
};

/// An axis over rows [nTop, nBottom) for values up to maxValue, its ticks at
/// least nMinGap pixels apart.
ValueAxis MakeValueAxis(double maxValue, int nTop, int nBottom, int nMinGap);

/// A tick's value as its label shows it, with the suffix ("%") after it.
std::wstring TickText(double value, const wchar_t* pszSuffix = L"");

/// The widest tick label of the axis, in pixels.
int TickLabelWidth(const ValueAxis& axis, const platform::TextMeasurer& measurer,
                   const wchar_t* pszSuffix = L"");

/// A grid line across the plot at each tick, its label right-aligned in the
/// nLabelWidth pixels left of the plot, and the base line at 0.
void AddValueAxis(PlotPicture& picture, const ValueAxis& axis, const platform::Rect& rcPlot,
                  int nLabelWidth, int nLineHeight, const wchar_t* pszSuffix = L"");

} // namespace statistics
