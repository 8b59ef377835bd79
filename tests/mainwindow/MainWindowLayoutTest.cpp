#include "mainwindow/MainWindowLayout.h"

#include "framework/CommandIds.h"

#include <gtest/gtest.h>

using namespace mainwindow;

TEST(MainWindowLayout, ButtonsFollowTheRightEdge)
{
    const auto places = PlaceButtons(800);
    EXPECT_EQ(places[0].nId, framework::IDC_BTN_MINIMIZE);
    EXPECT_EQ(places[0].topLeft, (platform::Point{701, 3}));
    EXPECT_EQ(places[6].nId, framework::IDC_BTN_HELP);
    EXPECT_EQ(places[6].topLeft, (platform::Point{245, 43}));
}

TEST(MainWindowLayout, ListAndStatusKeepTheirMargins)
{
    EXPECT_EQ(ListRect(800, 600), (platform::Rect{5, 131, 793, 570}));
    EXPECT_EQ(StatusRect(800, 600), (platform::Rect{5, 575, 900, 595}));
}
