#include "monitors/MonitorText.h"

#include <gtest/gtest.h>

using monitors::KeepWithin;
using platform::Rect;

TEST(MonitorPlacement, OpensWithinTheWorkArea)
{
    const Rect rcWork{0, 0, 1280, 1000};
    // Where it fits it stays; below the bottom it moves up; too high for the area, to its top.
    EXPECT_EQ(KeepWithin({8, 100, 130, 637}, rcWork), (platform::Point{8, 100}));
    EXPECT_EQ(KeepWithin({8, 851, 130, 1388}, rcWork), (platform::Point{8, 463}));
    EXPECT_EQ(KeepWithin({1200, 851, 1322, 2851}, rcWork), (platform::Point{1158, 0}));
}
