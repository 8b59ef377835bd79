#include "framework/FramePlan.h"

#include <gtest/gtest.h>

using framework::BitmapCopy;
using framework::MonitorFrameSlices;
using framework::PlanSkinnedFrame;

namespace {

// The stroke time monitor's bitmap 187.
constexpr platform::Size kTimesBitmap{122, 537};

std::vector<BitmapCopy> TimesFrame(platform::Size client)
{
    const int W = kTimesBitmap.cx;
    return PlanSkinnedFrame(client, kTimesBitmap, MonitorFrameSlices(kTimesBitmap, 40, 5, W - 45));
}

} // namespace

TEST(FramePlan, ClientOfTheBitmapSizeShowsItUnchanged)
{
    // Each part lands where it is in the bitmap, and the four parts tile it.
    EXPECT_EQ(TimesFrame(kTimesBitmap), (std::vector<BitmapCopy>{{0, 0, 82, 517, 0, 0},
                                                                 {82, 0, 40, 517, 82, 0},
                                                                 {0, 517, 82, 20, 0, 517},
                                                                 {82, 517, 40, 20, 82, 517}}));
}

TEST(FramePlan, TimeMonitorFillsItsBottomWithTheFivePixelSlice)
{
    const std::vector<BitmapCopy> expected{
        {0, 0, 82, 517, 0, 0},      {42, 0, 40, 517, 82, 0},   {0, 497, 82, 20, 0, 517},
        {42, 497, 40, 20, 82, 517}, {82, 0, 40, 517, 90, 0},   {82, 512, 40, 5, 90, 517},
        {82, 512, 40, 5, 90, 522},  {82, 512, 40, 5, 90, 527}, {0, 517, 82, 20, 0, 530},
        {77, 517, 5, 20, 82, 530},  {77, 517, 5, 20, 87, 530}, {82, 517, 40, 20, 90, 530},
    };
    EXPECT_EQ(TimesFrame({130, 550}), expected);
}
