#include "framework/MenuNavigation.h"
#include "framework/CommandIds.h"
#include "framework/MenuTables.h"
#include "platform/core/VirtualKeys.h"

#include <gtest/gtest.h>

using namespace framework;
using platform::kVkDown;
using platform::kVkUp;

namespace {

constexpr int kMenuWidth = 157;

int IndexOf(const CMenuNavigation& menu, const std::wstring& strText)
{
    for (std::size_t i = 0; i < menu.Items().size(); ++i) {
        if (menu.Items()[i].strText == strText)
            return static_cast<int>(i);
    }
    return -2;
}

std::wstring HoveredText(const CMenuNavigation& menu)
{
    if (menu.Hover() < 0)
        return L"(none)";
    return menu.Items()[static_cast<std::size_t>(menu.Hover())].strText;
}

} // namespace

TEST(MenuNavigation, DownInTheEditMenuWalksPastTheGap)
{
    CMenuNavigation menu(EditMenuItems());
    EXPECT_EQ(menu.Open().nNew, 0);
    for (int i = 0; i < 3; ++i)
        menu.KeyDown(kVkDown);
    EXPECT_EQ(HoveredText(menu), L"Paste");
    for (const wchar_t* pszNext : {L"Replace", L"Goto Time", L"Find", L"Find"}) {
        const auto result = menu.KeyDown(kVkDown);
        EXPECT_TRUE(result.bConsumed);
        EXPECT_EQ(result.nChosen, -1);
        EXPECT_EQ(HoveredText(menu), pszNext);
    }
}

TEST(MenuNavigation, ArrowsStopAtTheEndsAndSkipSeparatorsAndRecentFile)
{
    CMenuNavigation menu(FileMenuItems());
    menu.Open();
    auto change = menu.KeyDown(kVkUp).change;
    EXPECT_EQ(HoveredText(menu), L"Open");
    EXPECT_FALSE(change.Changed());

    menu.KeyDown(kVkDown);
    menu.KeyDown(kVkDown);
    EXPECT_EQ(HoveredText(menu), L"Save As ...");
    change = menu.KeyDown(kVkDown).change;
    EXPECT_EQ(HoveredText(menu), L"Exit");
    EXPECT_EQ(change.nOld, 2);
    EXPECT_EQ(change.nNew, 6);

    change = menu.KeyDown(kVkDown).change;
    EXPECT_EQ(HoveredText(menu), L"Exit");
    EXPECT_FALSE(change.Changed());

    menu.KeyDown(kVkUp);
    EXPECT_EQ(HoveredText(menu), L"Save As ...");
}

TEST(MenuNavigation, UpWithNothingHoveredGoesToTheFirstEntry)
{
    CMenuNavigation menu(OptionsMenuItems());
    menu.KeyDown(kVkUp);
    EXPECT_EQ(menu.Hover(), 0);
    EXPECT_EQ(menu.MouseMove(2, 20, kMenuWidth).nNew, -1);
    menu.KeyDown(kVkDown);
    EXPECT_EQ(HoveredText(menu), L"Configuration");
}

TEST(MenuNavigation, MouseNeverHoversSeparatorsOrTheDisabledEntry)
{
    CMenuNavigation menu(FileMenuItems());
    for (int y = 0; y < 145; ++y) {
        menu.MouseMove(60, y, kMenuWidth);
        if (menu.Hover() == -1)
            continue;
        const MenuItem& item = menu.Items()[static_cast<std::size_t>(menu.Hover())];
        EXPECT_TRUE(IsSelectable(item)) << "y " << y;
        EXPECT_LE(item.rcItem.top, y);
        EXPECT_LE(y, item.rcItem.bottom);
    }
    menu.MouseMove(60, 95, kMenuWidth);
    EXPECT_EQ(menu.Hover(), -1);
    menu.MouseMove(60, 82, kMenuWidth);
    EXPECT_EQ(menu.Hover(), -1);
}

TEST(MenuNavigation, MouseHitTestUsesTableOrderAndTheHorizontalInset)
{
    CMenuNavigation menu(EditMenuItems());
    // y 57 is the bottom of "Edit" and the top of "Copy": the first one wins.
    EXPECT_EQ(menu.MouseMove(60, 57, kMenuWidth).nNew, IndexOf(menu, L"Edit"));
    EXPECT_EQ(menu.MouseMove(4, 60, kMenuWidth).nNew, IndexOf(menu, L"Copy"));
    EXPECT_EQ(menu.MouseMove(153, 60, kMenuWidth).nNew, IndexOf(menu, L"Copy"));
    EXPECT_EQ(menu.MouseMove(3, 60, kMenuWidth).nNew, -1);
    EXPECT_EQ(menu.MouseMove(154, 60, kMenuWidth).nNew, -1);
    // The gap between "Replace" and "Goto Time".
    EXPECT_EQ(menu.MouseMove(60, 130, kMenuWidth).nNew, -1);
}

TEST(MenuNavigation, ClickChoosesOnlyWhenPressedOverAnEntry)
{
    CMenuNavigation menu(EditMenuItems());
    menu.Open();
    // Opened by its button: the button's release must not choose "Delete"
    // unless the pointer moved onto it first.
    menu.MouseMove(60, 40, kMenuWidth); // "Edit": hover changes, pressed cleared
    EXPECT_FALSE(menu.Pressed());
    EXPECT_EQ(menu.ButtonUp(), -1);

    menu.ButtonDown();
    EXPECT_TRUE(menu.Pressed());
    menu.MouseMove(61, 41, kMenuWidth); // same entry: stays pressed
    EXPECT_TRUE(menu.Pressed());
    EXPECT_EQ(menu.ButtonUp(), IndexOf(menu, L"Edit"));

    menu.ButtonDown();
    menu.MouseMove(60, 64, kMenuWidth); // onto "Copy" while down: cleared
    EXPECT_EQ(menu.ButtonUp(), -1);

    menu.MouseMove(60, 130, kMenuWidth); // nothing hovered
    menu.ButtonDown();
    EXPECT_FALSE(menu.Pressed());
    EXPECT_EQ(menu.ButtonUp(), -1);
}
