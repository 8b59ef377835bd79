#include "mainwindow/CommandKeys.h"

#include "framework/CommandIds.h"

#include <gtest/gtest.h>

#include <optional>

using namespace framework;
using namespace mainwindow;
using platform::KeyInput;

namespace {

std::optional<int> Accelerator(int nKey, bool bAlt, bool bShift = false, bool bCtrl = false)
{
    const auto command = AcceleratorCommand(KeyInput{nKey, bShift, bCtrl, bAlt, 1});
    return command ? std::optional<int>(command->nCommand) : std::nullopt;
}

} // namespace

TEST(CommandKeys, AMenuLetterIsItsEntrysUnderlinedCharacter)
{
    struct Case
    {
        OpenMenu menu;
        int nKey;
        std::optional<KeyCommand> command;
    };
    const Case cases[] = {
        {OpenMenu::File, 'A', KeyCommand{ID_FILE_SAVE_AS}}, // "Save As ...", sixth character
        {OpenMenu::File, 'X', KeyCommand{ID_APP_EXIT}},     // lower-case x in "Exit"
        {OpenMenu::File, 'R', KeyCommand{0}},               // disabled: used up
        {OpenMenu::File, 'G', std::nullopt},
        {OpenMenu::Edit, 'G', KeyCommand{ID_EDIT_GOTO_TIME}},
        {OpenMenu::Options, 'T', KeyCommand{ID_OPTIONS_STROKE_TIMES}},
        {OpenMenu::File, 0, std::nullopt}, // a separator answers no key
        {OpenMenu::None, 'O', std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MenuLetterCommand(c.menu, c.nKey), c.command) << c.nKey;
}

TEST(CommandKeys, OnlyAltAloneMakesALetterAnAccelerator)
{
    EXPECT_EQ(Accelerator('F', true), IDC_BTN_FILE);
    EXPECT_EQ(Accelerator('F', false), std::nullopt);
    EXPECT_EQ(Accelerator('F', true, true), std::nullopt);
    EXPECT_EQ(Accelerator('F', true, false, true), std::nullopt);
    EXPECT_EQ(Accelerator('S', true), std::nullopt);
    EXPECT_EQ(Accelerator(platform::kVkMenu, true), std::nullopt);
}
