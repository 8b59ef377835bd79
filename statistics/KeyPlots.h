#pragma once
// How each key is struck, in steno order: the values the monitor shows for it
// as box plots (whiskers from the smallest to the largest value, the box from
// the lower to the upper quartile, a line at the median), and below them the
// share of the strokes with the key down in which the writer marked it. The
// two plots share their key columns.

#include "statistics/KeyCounter.h"
#include "statistics/PlotPicture.h"

namespace platform {
class TextMeasurer;
}

namespace statistics {

void LayOutKeys(PlotPicture& picture, const KeyTable& keys, const platform::Rect& rcValues,
                const platform::Rect& rcMarked, const platform::TextMeasurer& measurer);

} // namespace statistics
