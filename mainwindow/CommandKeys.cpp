#include "mainwindow/CommandKeys.h"

#include "framework/CommandIds.h"

#include <array>
#include <span>

namespace mainwindow {
namespace {

using namespace framework;

struct KeyRow
{
    char chKey;
    int nCommand;
};

constexpr std::array<KeyRow, 4> kAccelerators = {{
    {'E', IDC_BTN_EDIT},
    {'F', IDC_BTN_FILE},
    {'H', IDC_BTN_HELP},
    {'O', IDC_BTN_OPTIONS},
}};

constexpr std::array<KeyRow, 5> kFileLetters = {{
    {'A', ID_FILE_SAVE_AS},
    {'O', ID_FILE_OPEN},
    {'R', 0},
    {'S', ID_FILE_SAVE},
    {'X', ID_APP_EXIT},
}};

constexpr std::array<KeyRow, 7> kEditLetters = {{
    {'C', ID_EDIT_COPY},
    {'D', ID_EDIT_DELETE_STROKE},
    {'E', ID_EDIT_EDIT_STROKE},
    {'F', ID_EDIT_FIND},
    {'G', ID_EDIT_GOTO_TIME},
    {'P', ID_EDIT_PASTE},
    {'R', ID_EDIT_REPLACE},
}};

constexpr std::array<KeyRow, 2> kOptionsLetters = {{
    {'C', ID_OPTIONS_CONFIGURATION},
    {'T', ID_OPTIONS_STROKE_TIMES},
}};

std::optional<KeyCommand> LookUp(std::span<const KeyRow> rows, int nVirtualKey)
{
    for (const KeyRow& row : rows) {
        if (row.chKey == nVirtualKey)
            return KeyCommand{row.nCommand};
    }
    return std::nullopt;
}

std::span<const KeyRow> LettersOf(OpenMenu menu)
{
    switch (menu) {
    case OpenMenu::File:
        return kFileLetters;
    case OpenMenu::Edit:
        return kEditLetters;
    case OpenMenu::Options:
        return kOptionsLetters;
    case OpenMenu::None:
        break;
    }
    return {};
}

} // namespace

std::optional<KeyCommand> AcceleratorCommand(const platform::KeyInput& key)
{
    if (!key.bAlt || key.bShift || key.bCtrl)
        return std::nullopt;
    return LookUp(kAccelerators, key.nVirtualKey);
}

std::optional<KeyCommand> MenuLetterCommand(OpenMenu menu, int nVirtualKey)
{
    return LookUp(LettersOf(menu), nVirtualKey);
}

} // namespace mainwindow
