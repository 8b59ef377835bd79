#include "mainwindow/BackgroundPlan.h"

namespace mainwindow {

std::vector<BitmapCopy> PlanBackground(platform::Size client, platform::Size bitmap)
{
    constexpr int S = kBackgroundSlice;
    const int w = client.cx;
    const int h = client.cy;
    const int W = bitmap.cx;
    const int H = bitmap.cy;
    std::vector<BitmapCopy> plan;
    const auto copy = [&plan](int sx, int sy, int cx, int cy, int dx, int dy) {
        plan.push_back({sx, sy, cx, cy, dx, dy});
    };
    // Top-left part, then the strip at column W - 70 repeated along the top.
    copy(0, 0, W - S, H - S, 0, 0);
    for (int x = W - S; x < w - S; x += S)
        copy(W - 70, 0, S, H - S, x, 0);
    // The middle rows: the left part's last 50-pixel row, then blocks from column W - 100.
    for (int y = H - S; y < h - S; y += S) {
        copy(0, H - 2 * S, W - S, S, 0, y);
        for (int x = W - S; x < w - S; x += S)
            copy(W - 2 * S, H - 2 * S, S, S, x, y);
    }
    // Right edge, bottom edge and the corner.
    copy(W - S, 0, S, H - S, w - S, 0);
    for (int y = H - S; y < h - S; y += S)
        copy(W - S, H - 2 * S, S, S, w - S, y);
    copy(0, H - S, W - S, S, 0, h - S);
    for (int x = W - S; x < w - S; x += S)
        copy(W - 2 * S, H - S, S, S, x, h - S);
    copy(W - S, H - S, S, S, w - S, h - S);
    return plan;
}

} // namespace mainwindow
