#pragma once
// The table of the most frequent misstrokes: outline, count and the stroke
// where it was first undone (a click makes that stroke current), with the
// undone text when a translation gave one.

#include "statistics/MisstrokeCounter.h"
#include "statistics/PlotPicture.h"

namespace platform {
class TextMeasurer;
}

namespace statistics {

void LayOutMisstrokes(PlotPicture& picture, const MisstrokeStatistics& misstrokes,
                      const platform::Rect& rc, const platform::TextMeasurer& measurer);

} // namespace statistics
