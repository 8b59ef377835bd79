#pragma once
// Which stroke a click on the statistics window makes current: the stroke a
// table row names, the first stroke written in a bar's minutes, or the first
// stroke that ends a pause of a bin's length. The strokes searched are the
// document's as they are now, so a click on a picture computed before an
// edit still lands on a stroke that exists.

#include "statistics/PlotPicture.h"
#include "steno/StenoStroke.h"

#include <span>

namespace statistics {

/// The document index of the stroke, among strokes whose first has document
/// index nFirstIndex; -1 when none of them fits.
int StrokeForTarget(const PlotTarget& target, std::span<const CStenoStroke> strokes,
                    int nFirstIndex);

} // namespace statistics
