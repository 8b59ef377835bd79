#include "framework/SkinButtonRules.h"

#include <gtest/gtest.h>

using namespace framework;
using platform::Rect;

TEST(SkinButtonRules, FaceFollowsDisabledThenDownOrCheckedThenHover)
{
    struct Case
    {
        SkinButtonState state;
        SkinFace face;
    };
    const Case cases[] = {
        {{true, false, false, false}, SkinFace::Normal},
        {{true, false, false, true}, SkinFace::Over},
        {{true, true, false, true}, SkinFace::Down},
        {{true, false, true, true}, SkinFace::Down},
        {{true, false, true, false}, SkinFace::Down},
        {{false, true, true, true}, SkinFace::Disabled},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseFace(c.state), c.face);
}

TEST(SkinButtonRules, TextRectangleInsetsByTheMarginAndShiftsWhenDown)
{
    const Rect rcButton{0, 0, 73, 30};
    EXPECT_EQ(SkinTextRect(rcButton, 5, SkinFace::Normal), (Rect{7, 0, 66, 30}));
    EXPECT_EQ(SkinTextRect(rcButton, 5, SkinFace::Down), (Rect{8, 1, 67, 31}));
    EXPECT_EQ(SkinTextRect(rcButton, 0, SkinFace::Normal), (Rect{2, 0, 71, 30}));
}

TEST(SkinButtonRules, FocusRectangleComesFromTheMarginElseTheFocusMargins)
{
    const Rect rcButton{0, 0, 29, 36};
    EXPECT_EQ(SkinFocusRect(rcButton, 5, {9, 9, 9, 9}), (Rect{5, 5, 24, 31}));
    // The configuration check box: margin 0, focus margins 5, 12, 5, 5.
    EXPECT_EQ(SkinFocusRect(rcButton, 0, {5, 12, 5, 5}), (Rect{5, 12, 24, 31}));
    EXPECT_EQ(SkinFocusRect(rcButton, 0, {0, 0, 0, 3}), (Rect{0, 0, 29, 33}));
    EXPECT_FALSE(SkinFocusRect(rcButton, 0, {}).has_value());
    EXPECT_FALSE(SkinFocusRect(rcButton, 0, {-1, 0, -4, 0}).has_value());
}
