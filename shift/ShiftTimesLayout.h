#pragma once
// The Shift Times dialog in client pixels: its two choices (check boxes used as
// a pair, each with a field), the line that says which strokes it shifts and
// its buttons. The skin tool draws the background to the same rectangles.

#include "platform/core/FontDesc.h"
#include "platform/core/Geometry.h"

#include <string>

namespace shift {

inline constexpr int kShiftTimesBackground = 190;
inline constexpr int kIdByAmountBox = 30011; ///< the choice "Shift by"
inline constexpr int kIdToTimeBox = 30012;   ///< the choice "Make current stroke"
inline constexpr int kIdAmountField = 30013;
inline constexpr int kIdTimeField = 30014;
inline constexpr platform::Size kShiftTimesSize{401, 206};
/// Where the two skinned check boxes go; each box shows 10 pixels below its top.
inline constexpr platform::Point kByAmountBox{10, 42};
inline constexpr platform::Point kToTimeBox{10, 86};
inline constexpr platform::Rect kByAmountLabel{46, 52, 200, 76};
inline constexpr platform::Rect kToTimeLabel{46, 96, 200, 120};
inline constexpr platform::Rect kAmountField{206, 52, 395, 76};
inline constexpr platform::Rect kTimeField{206, 96, 395, 120};
inline constexpr platform::Rect kScopeLine{14, 130, 395, 150};
inline constexpr int kFooterTop = 160;
inline constexpr platform::Point kShiftButton{241, 168};
inline constexpr platform::Point kCancelButton{320, 168};

/// The line's font: Arial at 14 pixels, as the labels the background carries.
platform::FontDesc ScopeFont();

/// Which strokes a shift of strokes nFirst to nLast of nCount moves, counted
/// from 1 as the status line counts: "All 300 strokes", "Strokes 6 to 10 of 300".
std::wstring ShiftScopeText(int nFirst, int nLast, int nCount);

} // namespace shift
