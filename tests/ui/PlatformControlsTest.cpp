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

TEST(PlatformControls, GroupRunsFromItsStartToTheNextStart)
{
    QWidget window;
    QWidget* pControls[6];
    for (auto*& pControl : pControls)
        pControl = new QWidget(&window);
    SetGroupStart(pControls[1]);
    SetGroupStart(pControls[4]);

    EXPECT_EQ(DialogGroup(pControls[0]), (QList<QWidget*>{pControls[0]}));
    const QList<QWidget*> middle{pControls[1], pControls[2], pControls[3]};
    EXPECT_EQ(DialogGroup(pControls[1]), middle);
    EXPECT_EQ(DialogGroup(pControls[3]), middle);
    EXPECT_EQ(DialogGroup(pControls[5]), (QList<QWidget*>{pControls[4], pControls[5]}));

    QWidget alone;
    EXPECT_EQ(DialogGroup(&alone), (QList<QWidget*>{&alone}));
}
