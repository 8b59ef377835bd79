#pragma once
// The stroke monitor's key row: the largest key font whose row fits three
// times into the view, the gap that spreads the letters across it, a number
// font small enough for four-digit values of neighbouring keys, and what each
// key position draws for a stroke.

#include "monitors/MonitorText.h"
#include "steno/StenoStroke.h"

#include <string_view>
#include <vector>

namespace monitors {

inline constexpr std::wstring_view kNumberSample = L"9999";

struct KeyRowLayout
{
    int nKeyFont = 0;
    int nNumberFont = 0;
    /// Added after every letter; negative when even the smallest font is too wide.
    int nGap = 0;
    /// The third line of a block three key lines high, centred; the numbers
    /// stand on the two lines above it.
    platform::Rect rcKeyRow;
};

KeyRowLayout ComputeKeyRowLayout(platform::Size client, MonitorFonts keyFonts,
                                 MonitorFonts numberFonts);

/// Every letter of the row (keys that are not down in white) and, above keys
/// with a value of 2 or more, the value halved: even keys one line up, odd
/// keys one and a half, so neighbours' numbers stand in two staggered rows.
std::vector<MonitorTextStep> PlanKeyRow(const CStenoStroke& stroke, const KeyRowLayout& layout,
                                        const platform::TextMeasurer& keyFont,
                                        const platform::TextMeasurer& numberFont);

} // namespace monitors
