#pragma once
// What the time field draws: hour, colon, minute, colon, second and AM/PM in
// six cells whose widths come from fixed samples of the font, so the field is
// as wide for 11:58:58 as for 00:00:00.

#include "fields/TimeFieldState.h"
#include "platform/core/Geometry.h"
#include "platform/core/TextFormat.h"
#include "platform/core/TextMeasurer.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace fields {

/// Hour 00 to 11, minute, second and "AM" or "PM" of the time in local time,
/// whatever the user's locale; all four empty for a time that cannot be converted.
std::array<std::wstring, 4> TimeFieldTexts(std::int64_t time);

/// The width the field gives itself: three "00", two ":" and one " AM".
int TimeFieldWidth(const platform::TextMeasurer& measurer);

struct TimeFieldText
{
    platform::Rect rc;
    std::wstring strText; ///< '&' underlines the next character
    platform::TextFlags nFlags = 0;
    bool bHighlight = false; ///< white on black: the active field of a focused control

    bool operator==(const TimeFieldText&) const = default;
};

/// The six texts with their cells, left to right from the client rectangle's
/// left edge, each as high as it. Only with the focus is the active field
/// highlighted, with its next digit underlined.
std::vector<TimeFieldText> TimeFieldLayout(const CTimeFieldState& state, bool bFocus,
                                           const platform::TextMeasurer& measurer,
                                           const platform::Rect& rcClient);

} // namespace fields
