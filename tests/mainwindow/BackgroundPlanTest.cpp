#include "mainwindow/BackgroundPlan.h"

#include <gtest/gtest.h>

using mainwindow::BitmapCopy;
using mainwindow::PlanBackground;

namespace {
constexpr platform::Size kBitmap{675, 521};
constexpr int W = 675;
constexpr int H = 521;
} // namespace

TEST(BackgroundPlan, TallerWindowRepeatsMiddleRowsAcrossTheWidth)
{
    const auto plan = PlanBackground({W + 50, H + 50}, kBitmap);
    const std::vector<BitmapCopy> expected{
        {0, 0, W - 50, H - 50, 0, 0},        {W - 70, 0, 50, H - 50, W - 50, 0},
        {0, H - 100, W - 50, 50, 0, H - 50}, {W - 100, H - 100, 50, 50, W - 50, H - 50},
        {W - 50, 0, 50, H - 50, W, 0},       {W - 50, H - 100, 50, 50, W, H - 50},
        {0, H - 50, W - 50, 50, 0, H},       {W - 100, H - 50, 50, 50, W - 50, H},
        {W - 50, H - 50, 50, 50, W, H},
    };
    EXPECT_EQ(plan, expected);
}

TEST(BackgroundPlan, SmallWindowOverwritesWithTheEdges)
{
    // Smaller than the bitmap: no repeats, the edges land over the top-left part.
    const auto plan = PlanBackground({300, 200}, kBitmap);
    ASSERT_EQ(plan.size(), 4u);
    EXPECT_EQ(plan[1], (BitmapCopy{W - 50, 0, 50, H - 50, 250, 0}));
    EXPECT_EQ(plan[3], (BitmapCopy{W - 50, H - 50, 50, 50, 250, 150}));
}
