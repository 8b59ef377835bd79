#pragma once
// The pauses between strokes: their histogram on the logarithmic scale from
// 0.1 s to 10 minutes, each bin a target for the first stroke after such a
// pause, and the table of the longest pauses, each row a target for the
// stroke that ended it.

#include "statistics/PauseCounter.h"
#include "statistics/PlotPicture.h"

namespace platform {
class TextMeasurer;
}

namespace statistics {

void LayOutPauses(PlotPicture& picture, const PauseStatistics& pauses, const platform::Rect& rc,
                  const platform::TextMeasurer& measurer);

void LayOutLongestPauses(PlotPicture& picture, const PauseStatistics& pauses,
                         const platform::Rect& rc, const platform::TextMeasurer& measurer);

/// A pause as people say it: "45 s", "3 min 05 s", "1 h 02 min".
std::wstring PauseText(std::int64_t nSeconds);

} // namespace statistics
