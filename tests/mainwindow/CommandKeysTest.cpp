#include "mainwindow/CommandKeys.h"
#include "mainwindow/FileRequests.h"

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

std::optional<int> Letter(OpenMenu menu, char chKey)
{
    const auto command = MenuLetterCommand(menu, chKey);
    return command ? std::optional<int>(command->nCommand) : std::nullopt;
}

} // namespace

TEST(CommandKeys, AltAloneWithALetterOpensTheMenusAndHelp)
{
    EXPECT_EQ(Accelerator('E', true), IDC_BTN_EDIT);
    EXPECT_EQ(Accelerator('F', true), IDC_BTN_FILE);
    EXPECT_EQ(Accelerator('H', true), IDC_BTN_HELP);
    EXPECT_EQ(Accelerator('O', true), IDC_BTN_OPTIONS);
    EXPECT_EQ(Accelerator('F', false), std::nullopt);
    EXPECT_EQ(Accelerator('F', true, true), std::nullopt);
    EXPECT_EQ(Accelerator('F', true, false, true), std::nullopt);
    EXPECT_EQ(Accelerator('S', true), std::nullopt);
    EXPECT_EQ(Accelerator(platform::kVkMenu, true), std::nullopt);
}

struct LetterRow
{
    OpenMenu menu;
    char chKey;
    std::optional<int> nCommand;
};

class MenuLetters : public ::testing::TestWithParam<LetterRow>
{
};

TEST_P(MenuLetters, RunTheirEntry)
{
    const LetterRow& row = GetParam();
    EXPECT_EQ(Letter(row.menu, row.chKey), row.nCommand) << "key " << row.chKey;
}

INSTANTIATE_TEST_SUITE_P(
    CommandKeys, MenuLetters,
    ::testing::Values(LetterRow{OpenMenu::File, 'A', ID_FILE_SAVE_AS},
                      LetterRow{OpenMenu::File, 'R', 0}, // used up, nothing runs
                      LetterRow{OpenMenu::File, 'X', ID_APP_EXIT},
                      LetterRow{OpenMenu::File, 'C', std::nullopt},
                      LetterRow{OpenMenu::Edit, 'C', ID_EDIT_COPY},
                      LetterRow{OpenMenu::Edit, 'E', ID_EDIT_EDIT_STROKE},
                      LetterRow{OpenMenu::Edit, 'F', ID_EDIT_FIND},
                      LetterRow{OpenMenu::Edit, 'P', ID_EDIT_PASTE},
                      LetterRow{OpenMenu::Edit, 'R', ID_EDIT_REPLACE},
                      LetterRow{OpenMenu::Options, 'C', ID_OPTIONS_CONFIGURATION},
                      LetterRow{OpenMenu::Options, 'S', std::nullopt},
                      LetterRow{OpenMenu::None, 'O', std::nullopt}));

TEST(FileRequests, OpenStartsInTheWritersBackupFolderSaveAsBesideTheDocument)
{
    EXPECT_EQ(OpenRequest(L"/home/ann/Documents"),
              (platform::FileRequest{L"RTF/CRE (*.rtf)", L"rtf",
                                     L"/home/ann/Documents/Corvane/backup/RTFCRE", L""}));
    EXPECT_EQ(SaveAsRequest(L"/work/day1.rtf", L"/home/ann/Documents"),
              (platform::FileRequest{L"RTF/CRE (*.rtf)", L"rtf", L"/work/", L"day1_copy"}));
    EXPECT_EQ(SaveAsRequest(L"", L"/home/ann/Documents").strFolder,
              L"/home/ann/Documents/Corvane/backup/RTFCRE");
}
