#include "platform/DialogControls.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;

TEST(PlatformControls, ControlsAreFoundByIdentifierAmongDirectChildren)
{
    QWidget window;
    auto* pList = new QWidget(&window);
    auto* pInner = new QWidget(pList);
    SetControlId(pList, 1007);
    SetControlId(pInner, 1008);
    EXPECT_EQ(ControlId(pList), 1007);
    EXPECT_EQ(ControlId(&window), 0);
    EXPECT_EQ(FindControl(&window, 1007), pList);
    EXPECT_EQ(FindControl(&window, 1008), nullptr);
    EXPECT_EQ(FindControl(&window, 0), nullptr);
}
