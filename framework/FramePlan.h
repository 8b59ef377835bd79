#pragma once
// A skinned frame: a bitmap stretched to any client size by repeating slices of
// it, never scaled. The plan is the exact list of copies in drawing order; later
// copies overwrite earlier ones, and a client of the bitmap's own size shows the
// bitmap unchanged. The main window's background and both monitors use it.

#include "platform/core/Geometry.h"

#include <vector>

namespace framework {

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

/// Which parts of the bitmap fill the extra room, in bitmap pixels.
struct FrameSlices
{
    int nRight = 0;      ///< width of the right border; the step across
    int nBottom = 0;     ///< height of the bottom border; the step down
    int nTopStripX = 0;  ///< left of the band repeated along the top
    int nEdgeSlice = 0;  ///< height of the right border's slice repeated downward
    int nBottomX = 0;    ///< left of the slice repeated along the bottom border
    int nBottomStep = 0; ///< width of that slice
};

/// The monitors' frames: a 20-pixel bottom border, the band left of the right
/// border repeated across, the 5-row slice above the bottom border repeated
/// down the right border, and the bottom filled with the s-wide slice at c.
FrameSlices MonitorFrameSlices(platform::Size bitmap, int r, int s, int c);

std::vector<BitmapCopy> PlanSkinnedFrame(platform::Size client, platform::Size bitmap,
                                         const FrameSlices& slices);

} // namespace framework
