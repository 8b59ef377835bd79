#pragma once
// The keys the main window turns into commands before any control sees them:
// the four Alt accelerators, and the underlined letters of an open pop-up menu.

#include "platform/core/VirtualKeys.h"

#include <optional>

namespace mainwindow {

/// Which pop-up menu is showing; the first visible one in this order counts.
enum class OpenMenu { None, File, Edit, Options };

/// A command taken from the keyboard. nCommand 0 means the key is used up
/// without running anything (the File menu's R: its entry is always disabled).
struct KeyCommand
{
    int nCommand = 0;

    bool operator==(const KeyCommand&) const = default;
};

/// Alt+E, Alt+F, Alt+H and Alt+O, without Shift or Ctrl.
std::optional<KeyCommand> AcceleratorCommand(const platform::KeyInput& key);

/// The command of the open menu's entry that shows this letter underlined, read
/// from the menu's own table; Shift and Ctrl make no difference.
std::optional<KeyCommand> MenuLetterCommand(OpenMenu menu, int nVirtualKey);

} // namespace mainwindow
