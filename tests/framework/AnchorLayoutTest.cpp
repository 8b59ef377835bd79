#include "framework/AnchorLayout.h"

#include <gtest/gtest.h>

using namespace framework;
using platform::Rect;
using platform::Size;

TEST(AnchorLayout, StretchedControlKeepsItsDistanceToAllFourEdges)
{
    // The main window's list: 5 and 131 from the left and top, 7 and 30 from the
    // right and bottom.
    const Anchor anchor = MakeAnchor({800, 600}, {5, 131, 793, 570}, kTopLeft, kBottomRight);
    EXPECT_EQ(ArrangeAnchor(anchor, {1000, 700}), (Rect{5, 131, 993, 670}));
    EXPECT_EQ(ArrangeAnchor(anchor, {800, 600}), (Rect{5, 131, 793, 570}));
}

TEST(AnchorLayout, ControlAnchoredAtTheBottomRightMovesAndKeepsItsSize)
{
    const Anchor anchor = MakeAnchor({400, 300}, {350, 260, 390, 290}, kBottomRight, kBottomRight);
    EXPECT_EQ(ArrangeAnchor(anchor, {523, 411}), (Rect{473, 371, 513, 401}));
}

TEST(AnchorLayout, PercentagesTruncateTowardZero)
{
    // 33 % of 101 is 33.33: the anchor point is 33, the margin 40 - 33 = 7;
    const Anchor anchor = MakeAnchor({101, 99}, {40, 10, 60, 20}, {33, 50}, {33, 50});
    // 33 % of 203 is 66.99 → 66; 50 % of 1 is 0.
    EXPECT_EQ(ArrangeAnchor(anchor, {203, 1}), (Rect{73, -39, 93, -29}));
}

TEST(AnchorLayout, CentredControlFollowsTheMiddle)
{
    const Anchor anchor = MakeAnchor({200, 100}, {90, 40, 110, 60}, kMiddleCenter, kMiddleCenter);
    EXPECT_EQ(ArrangeAnchor(anchor, {300, 140}), (Rect{140, 60, 160, 80}));
}
