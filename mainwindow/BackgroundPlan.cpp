#include "mainwindow/BackgroundPlan.h"

namespace mainwindow {

std::vector<BitmapCopy> PlanBackground(platform::Size client, platform::Size bitmap)
{
    constexpr int S = kBackgroundSlice;
    // The strip along the top comes from column W - 70, the blocks that fill the
    // middle and the bottom from column W - 100.
    const framework::FrameSlices slices{S, S, bitmap.cx - 70, S, bitmap.cx - 2 * S, S};
    return framework::PlanSkinnedFrame(client, bitmap, slices);
}

} // namespace mainwindow
