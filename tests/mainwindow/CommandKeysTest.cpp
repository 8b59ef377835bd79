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

// Which letter runs which entry is the key table itself; the main window's
// tests press them. Here: only Alt alone makes a letter an accelerator.
TEST(CommandKeys, OnlyAltAloneMakesALetterAnAccelerator)
{
    EXPECT_EQ(Accelerator('F', true), IDC_BTN_FILE);
    EXPECT_EQ(Accelerator('F', false), std::nullopt);
    EXPECT_EQ(Accelerator('F', true, true), std::nullopt);
    EXPECT_EQ(Accelerator('F', true, false, true), std::nullopt);
    EXPECT_EQ(Accelerator('S', true), std::nullopt);
    EXPECT_EQ(Accelerator(platform::kVkMenu, true), std::nullopt);
}
