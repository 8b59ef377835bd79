#pragma once
// The stroke time monitor's list: the 24 key letters one under the other in the
// largest key font whose column fits the view's height, and beside each key
// that is down with a value of 2 or more its strike time, in the largest time
// font that fits beside the letters and within the lowest letter's height.

#include "monitors/MonitorText.h"
#include "steno/StenoStroke.h"

#include <vector>

namespace monitors {

struct KeyTimesLayout
{
    int nKeyFont = 0;
    int nTimeFont = 0;
    int nTimeX = 0; ///< the widest key letter: the times start there
};

KeyTimesLayout ComputeKeyTimesLayout(platform::Size client, MonitorFonts keyFonts,
                                     MonitorFonts timeFonts);

/// Every letter of the column from y = 1 (keys that are not down in white) and
/// the times beside the keys that show one, centred on their letter's line.
std::vector<MonitorTextStep> PlanKeyTimes(const CStenoStroke& stroke, const KeyTimesLayout& layout,
                                          const platform::TextMeasurer& keyFont,
                                          const platform::TextMeasurer& timeFont);

} // namespace monitors
