#include "framework/SkinButtonRules.h"

namespace framework {

SkinFace ChooseFace(const SkinButtonState& state)
{
    if (!state.bEnabled)
        return SkinFace::Disabled;
    if (state.bDown || state.bChecked)
        return SkinFace::Down;
    if (state.bHover)
        return SkinFace::Over;
    return SkinFace::Normal;
}

platform::Rect SkinTextRect(platform::Rect rcButton, int nMargin, SkinFace face)
{
    platform::Rect rc = rcButton;
    rc.left += 2 + nMargin;
    rc.right -= 2 + nMargin;
    if (face == SkinFace::Down) {
        rc.left += 1;
        rc.right += 1;
        rc.top += 1;
        rc.bottom += 1;
    }
    return rc;
}

std::optional<platform::Rect> SkinFocusRect(platform::Rect rcButton, int nMargin,
                                            platform::Rect rcFocusMargins)
{
    if (nMargin > 0)
        return platform::Rect{rcButton.left + nMargin, rcButton.top + nMargin,
                              rcButton.right - nMargin, rcButton.bottom - nMargin};
    const platform::Rect& m = rcFocusMargins;
    if (m.left <= 0 && m.top <= 0 && m.right <= 0 && m.bottom <= 0)
        return std::nullopt;
    return platform::Rect{rcButton.left + m.left, rcButton.top + m.top, rcButton.right - m.right,
                          rcButton.bottom - m.bottom};
}

platform::Point CloseButtonPlace(int nClientWidth)
{
    return {nClientWidth - 33, 3};
}

} // namespace framework
