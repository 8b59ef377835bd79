#include "framework/FramePlan.h"

namespace framework {
namespace {

constexpr int kMonitorBottom = 20;
constexpr int kMonitorEdgeSlice = 5;

bool Repeats(const FrameSlices& slices)
{
    // A step of 0 would never end; such a frame has nothing to repeat.
    return slices.nRight > 0 && slices.nBottom > 0 && slices.nEdgeSlice > 0 &&
           slices.nBottomStep > 0;
}

} // namespace

FrameSlices MonitorFrameSlices(platform::Size bitmap, int r, int s, int c)
{
    return {r, kMonitorBottom, bitmap.cx - 2 * r, kMonitorEdgeSlice, c, s};
}

std::vector<BitmapCopy> PlanSkinnedFrame(platform::Size client, platform::Size bitmap,
                                         const FrameSlices& slices)
{
    if (!Repeats(slices))
        return {};
    const int w = client.cx;
    const int h = client.cy;
    const int W = bitmap.cx;
    const int H = bitmap.cy;
    const int r = slices.nRight;
    const int b = slices.nBottom;
    const int e = slices.nEdgeSlice;
    std::vector<BitmapCopy> plan;
    const auto copy = [&plan](int sx, int sy, int cx, int cy, int dx, int dy) {
        plan.push_back({sx, sy, cx, cy, dx, dy});
    };
    // One slice repeated from the bitmap's own right border to the client's.
    const auto across = [&](int sx, int sy, int cx, int cy, int dy, int step) {
        for (int x = W - r; x < w - r; x += step)
            copy(sx, sy, cx, cy, x, dy);
    };
    copy(0, 0, W - r, H - b, 0, 0);
    across(slices.nTopStripX, 0, r, H - b, 0, r);
    for (int y = H - b; y < h - b; y += b) {
        copy(0, H - 2 * b, W - r, b, 0, y);
        across(W - 2 * r, H - 2 * b, r, b, y, r);
    }
    copy(W - r, 0, r, H - b, w - r, 0);
    for (int y = H - b; y < h - b; y += e)
        copy(W - r, H - b - e, r, e, w - r, y);
    copy(0, H - b, W - r, b, 0, h - b);
    across(slices.nBottomX, H - b, slices.nBottomStep, b, h - b, slices.nBottomStep);
    copy(W - r, H - b, r, b, w - r, h - b);
    return plan;
}

} // namespace framework
