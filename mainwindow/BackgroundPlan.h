#pragma once
// The main window's background: bitmap 130 stretched to any client size by
// repeating 50-pixel slices, never scaled. The plan is the exact list of
// copies, in drawing order; later copies overwrite earlier ones.

#include "platform/core/Geometry.h"

#include <vector>

namespace mainwindow {

/// Copy the bitmap rectangle of size cx × cy at (sx, sy) to the client point (dx, dy).
struct BitmapCopy
{
    int sx = 0;
    int sy = 0;
    int cx = 0;
    int cy = 0;
    int dx = 0;
    int dy = 0;

    bool operator==(const BitmapCopy&) const = default;
};

inline constexpr int kBackgroundSlice = 50;

std::vector<BitmapCopy> PlanBackground(platform::Size client, platform::Size bitmap);

} // namespace mainwindow
