#pragma once
// The statistics window's picture: a summary line, the speed over the day
// across the top, the pause histogram, the longest pauses and the misstrokes
// side by side below it, and the keys' values and marked rates at the bottom,
// each panel under its title, all laid out for the view's size.

#include "statistics/SpeedPlot.h"
#include "statistics/StrokeStatistics.h"

#include <string>

namespace platform {
class TextMeasurer;
}

namespace statistics {

struct StatisticsLayout
{
    PlotPicture picture;
    SpeedPlot speed;        ///< where the current stroke's minute is marked
    platform::Rect rcState; ///< right end of the summary line, room for "Computing..."
};

StatisticsLayout LayOutStatistics(const StrokeStatistics& stats, platform::Size view,
                                  const platform::TextMeasurer& measurer);

/// "Strokes 1 to 300, 2024-05-03 08:00 to 22:57, peak 12 a minute at 09:15,
/// mean 8.5, ..." with stroke numbers counted from 1.
std::wstring SummaryText(const StrokeStatistics& stats);

} // namespace statistics
