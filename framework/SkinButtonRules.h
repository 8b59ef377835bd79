#pragma once
// What a skinned button shows in each state: which bitmap, where the caption
// goes and where the focus rectangle is drawn.

#include "platform/core/Geometry.h"

#include <optional>

namespace framework {

enum class SkinFace { Normal, Down, Over, Disabled };

struct SkinButtonState
{
    bool bEnabled = true;
    bool bDown = false; ///< pushed look: pressed with the pointer over it
    bool bChecked = false;
    bool bHover = false;
};

SkinFace ChooseFace(const SkinButtonState& state);

/// The caption's rectangle: inset 2 + margin on the left and right, moved one
/// pixel right and down while the button shows its down bitmap.
platform::Rect SkinTextRect(platform::Rect rcButton, int nMargin, SkinFace face);

/// The dotted focus rectangle: inset by the margin when there is one, else by the
/// focus margins when any is set, else none.
std::optional<platform::Rect> SkinFocusRect(platform::Rect rcButton, int nMargin,
                                            platform::Rect rcFocusMargins);

/// Every skinned window's drawn close button sits 33 pixels from the right
/// edge of its client area, 3 from the top.
platform::Point CloseButtonPlace(int nClientWidth);

} // namespace framework
