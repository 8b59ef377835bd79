#pragma once
// The arithmetic of anchored controls: each corner of a control is tied to a
// point given in percent of the parent's client size, keeping its distance to it.

#include "platform/core/Geometry.h"

namespace framework {

/// A point of the parent's client area in percent of its width and height.
struct AnchorPoint
{
    int x = 0;
    int y = 0;

    bool operator==(const AnchorPoint&) const = default;
};

inline constexpr AnchorPoint kTopLeft{0, 0};
inline constexpr AnchorPoint kTopCenter{50, 0};
inline constexpr AnchorPoint kTopRight{100, 0};
inline constexpr AnchorPoint kMiddleLeft{0, 50};
inline constexpr AnchorPoint kMiddleCenter{50, 50};
inline constexpr AnchorPoint kMiddleRight{100, 50};
inline constexpr AnchorPoint kBottomLeft{0, 100};
inline constexpr AnchorPoint kBottomCenter{50, 100};
inline constexpr AnchorPoint kBottomRight{100, 100};

/// Both anchor points of a control with the margins measured when it was added.
struct Anchor
{
    AnchorPoint ptTopLeft;
    AnchorPoint ptBottomRight;
    platform::Point marginTopLeft;
    platform::Point marginBottomRight;

    bool operator==(const Anchor&) const = default;
};

/// Measures the margins of a control's rectangle (client coordinates) against
/// its anchor points in a client area of the given size.
Anchor MakeAnchor(platform::Size client, platform::Rect rcControl, AnchorPoint ptTopLeft,
                  AnchorPoint ptBottomRight);

/// Where the control goes in a client area of the given size.
platform::Rect ArrangeAnchor(const Anchor& anchor, platform::Size client);

} // namespace framework
