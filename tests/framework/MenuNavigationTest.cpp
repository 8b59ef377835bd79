#include "framework/MenuNavigation.h"
#include "framework/MenuTables.h"
#include "platform/core/VirtualKeys.h"

#include <gtest/gtest.h>

using namespace framework;

namespace {

constexpr int kMenuWidth = 157;

int IndexOf(const CMenuNavigation& menu, std::wstring_view strText)
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

TEST(MenuNavigation, ArrowsWalkTheSelectableEntriesAndStopAtTheEnds)
{
    struct Case
    {
        std::vector<MenuItem> items;
        const char* pszKeys; ///< o opens the menu, u and d are Up and Down
        const wchar_t* pszHovered;
    };
    const Case cases[] = {
        {EditMenuItems(), "oddddd", L"Replace"},
        // On past the gap and Next Untranslated, then stays at the end.
        {EditMenuItems(), "oddddddddddd", L"Shift Times ..."},
        {FileMenuItems(), "ou", L"Open"},
        {FileMenuItems(), "oddddd", L"Exit"}, // past the separators and Recent File
        {FileMenuItems(), "odddddu", L"Import ..."},
        {OptionsMenuItems(), "u", L"Configuration"}, // nothing hovered: either arrow
        {OptionsMenuItems(), "d", L"Configuration"}, // takes the first entry
    };
    for (const Case& c : cases) {
        CMenuNavigation menu(c.items);
        for (const char* p = c.pszKeys; *p != '\0'; ++p) {
            if (*p == 'o') {
                menu.Open();
                continue;
            }
            const auto result = menu.KeyDown(*p == 'u' ? platform::kVkUp : platform::kVkDown);
            EXPECT_TRUE(result.bConsumed);
            EXPECT_EQ(result.nChosen, -1);
        }
        EXPECT_EQ(HoveredText(menu), c.pszHovered) << c.pszKeys;
    }
}

TEST(MenuNavigation, AChangeNamesTheBandsToRepaint)
{
    CMenuNavigation menu(FileMenuItems());
    EXPECT_EQ(menu.Open().nNew, 0);
    EXPECT_FALSE(menu.KeyDown(platform::kVkUp).change.Changed());
    for (int i = 0; i < 4; ++i)
        menu.KeyDown(platform::kVkDown);
    const auto change = menu.KeyDown(platform::kVkDown).change;
    EXPECT_EQ(change.nOld, IndexOf(menu, L"Import ..."));
    EXPECT_EQ(change.nNew, IndexOf(menu, L"Exit"));
    EXPECT_EQ(menu.KeyDown('O').bConsumed, false);
}

TEST(MenuNavigation, MouseHoversSelectableEntriesInTableOrderInsideTheInset)
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

    CMenuNavigation edit(EditMenuItems());
    // y 57 is the bottom of "Edit" and the top of "Copy": the first one wins.
    EXPECT_EQ(edit.MouseMove(60, 57, kMenuWidth).nNew, IndexOf(edit, L"Edit"));
    EXPECT_EQ(edit.MouseMove(4, 60, kMenuWidth).nNew, IndexOf(edit, L"Copy"));
    EXPECT_EQ(edit.MouseMove(153, 60, kMenuWidth).nNew, IndexOf(edit, L"Copy"));
    EXPECT_EQ(edit.MouseMove(3, 60, kMenuWidth).nNew, -1);
    EXPECT_EQ(edit.MouseMove(154, 60, kMenuWidth).nNew, -1);
    EXPECT_EQ(edit.MouseMove(60, 153, kMenuWidth).nNew, -1); // the gap before "Goto Time"
}

TEST(MenuNavigation, ReleaseChoosesOnlyAfterAPressOnTheSameEntry)
{
    CMenuNavigation menu(EditMenuItems());
    menu.Open();
    // Opened by its button's press: once the pointer reaches an entry, that
    // press no longer counts.
    menu.MouseMove(60, 40, kMenuWidth);
    EXPECT_EQ(menu.ButtonUp(), -1);
    menu.ButtonDown();
    menu.MouseMove(61, 41, kMenuWidth); // within "Edit"
    EXPECT_EQ(menu.ButtonUp(), IndexOf(menu, L"Edit"));
    menu.ButtonDown();
    menu.MouseMove(60, 64, kMenuWidth); // onto "Copy" while down
    EXPECT_EQ(menu.ButtonUp(), -1);
}
