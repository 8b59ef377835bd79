#include "mainwindow/CommandKeys.h"

#include "framework/CommandIds.h"
#include "framework/MenuTables.h"

#include <array>
#include <span>
#include <vector>

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

std::optional<KeyCommand> LookUp(std::span<const KeyRow> rows, int nVirtualKey)
{
    for (const KeyRow& row : rows) {
        if (row.chKey == nVirtualKey)
            return KeyCommand{row.nCommand};
    }
    return std::nullopt;
}

std::vector<MenuItem> ItemsOf(OpenMenu menu)
{
    switch (menu) {
    case OpenMenu::File:
        return FileMenuItems();
    case OpenMenu::Edit:
        return EditMenuItems();
    case OpenMenu::Options:
        return OptionsMenuItems();
    case OpenMenu::None:
        break;
    }
    return {};
}

/// The virtual key of the letter the entry shows underlined, -1 for none.
int UnderlinedKey(const MenuItem& item)
{
    const auto nAt = static_cast<std::size_t>(item.nAccelChar);
    if (item.nID == 0 || item.nAccelChar < 0 || nAt >= item.strText.size())
        return -1;
    const wchar_t ch = item.strText[nAt];
    return ch >= L'a' && ch <= L'z' ? ch - L'a' + L'A' : ch;
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
    for (const MenuItem& item : ItemsOf(menu)) {
        if (UnderlinedKey(item) == nVirtualKey)
            return KeyCommand{IsSelectable(item) ? static_cast<int>(item.nID) : 0};
    }
    return std::nullopt;
}

} // namespace mainwindow
