#pragma once
// Texts the main window draws character by character with an outline: the
// column headings and the path line. Planning gives every character's place;
// the window only draws the steps.

#include "platform/core/TextMeasurer.h"

#include <string>
#include <string_view>
#include <vector>

namespace mainwindow {

/// One text output at (x, y), top-left of the cell: outlined (black ring,
/// white face) or plain in the current text colour.
struct TextStep
{
    std::wstring strText;
    int x = 0;
    int y = 0;
    bool bOutlined = true;

    bool operator==(const TextStep&) const = default;
};

inline constexpr int kHeadingTop = 99;
inline constexpr int kPathLineTop = 13;
inline constexpr int kPathLineLeft = 180;
inline constexpr int kPathLineRightMargin = 100;

/// A column heading centred over the column [left, right), one character a step.
std::vector<TextStep> PlanHeading(std::wstring_view heading, int left, int right,
                                  const platform::TextMeasurer& measurer);

/// The path line at the top of a window w pixels wide: the folder part is cut
/// with "..." so that the name part still fits; a name part that does not fit
/// ends in "...". Nothing for an empty path.
std::vector<TextStep> PlanPathLine(std::wstring_view path, int w,
                                   const platform::TextMeasurer& measurer);

} // namespace mainwindow
