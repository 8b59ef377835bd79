#pragma once
// The main window's background: bitmap 130 stretched to any client size by
// repeating 50-pixel slices, never scaled.

#include "framework/FramePlan.h"

#include <vector>

namespace mainwindow {

using framework::BitmapCopy;

inline constexpr int kBackgroundSlice = 50;

std::vector<BitmapCopy> PlanBackground(platform::Size client, platform::Size bitmap);

} // namespace mainwindow
