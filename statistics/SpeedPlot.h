#pragma once
// The speed over the day: one bar per minute of the span with the strokes
// written in it, marks at the local hours, and the current stroke's minute
// marked. When the span has more minutes than the plot has pixels, each
// column stands for an equal run of minutes and shows the busiest of them.

#include "statistics/PlotPicture.h"
#include "statistics/SpeedCounter.h"

namespace platform {
class TextMeasurer;
}

namespace statistics {

/// How the minutes of the span fall on the plot's columns.
struct MinuteColumns
{
    std::int64_t nFirstMinute = 0;
    std::int64_t nMinutes = 0; ///< minutes of the span, the empty ones too
    int nLeft = 0;
    int nWidth = 0;
    int nColumns = 0; ///< as many as minutes, but no more than pixels

    MinuteColumns() = default;
    MinuteColumns(const SpeedStatistics& speed, int nLeft, int nWidth);

    /// The column of a minute, -1 outside the span.
    int ColumnOf(std::int64_t nMinute) const;
    /// The first minute column nColumn stands for.
    std::int64_t FirstMinuteOf(int nColumn) const;
    /// The pixel column where column nColumn starts; nColumns gives the right edge.
    int LeftOf(int nColumn) const;
};

struct SpeedPlot
{
    platform::Rect rcPlot;
    MinuteColumns columns;
};

/// Lays the plot out in rc: value axis, bars, hour marks; every column with
/// strokes is a target for its minutes.
SpeedPlot LayOutSpeed(PlotPicture& picture, const SpeedStatistics& speed, const platform::Rect& rc,
                      const platform::TextMeasurer& measurer);

/// Where the current stroke's minute is marked: its column over the plot's
/// height, at least 7 pixels wide; empty outside the span.
platform::Rect CurrentMinuteMark(const SpeedPlot& plot, std::int64_t nMinute);

} // namespace statistics
