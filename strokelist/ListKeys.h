#pragma once
// The stroke list's key table. The list swallows every key-down it is given,
// whether it acts on it or not, so the main window sees no key while the list
// has the focus; only keys pressed with Alt go on, for the window's accelerators.

#include "platform/core/VirtualKeys.h"

namespace strokelist {

enum class ListKeyAction {
    None,
    Copy,
    Paste,
    Delete,
    Up,
    Down,
    Edit,
    Home,
    End,
    PageUp,
    PageDown,
    Undo,
    Redo,
    NextUntranslated,
    // The same moves with Shift: the current stroke moves and the selection
    // grows from its anchor to it.
    ExtendUp,
    ExtendDown,
    ExtendHome,
    ExtendEnd,
    ExtendPageUp,
    ExtendPageDown,
    SelectAll,
    CopyAsText
};

/// Keys with Alt belong to the main window's accelerators.
constexpr bool ListTakesKey(const platform::KeyInput& key)
{
    return !key.bAlt;
}

/// What a key-down does in the list; None for the keys it takes without acting.
ListKeyAction ListKeyActionOf(const platform::KeyInput& key);

} // namespace strokelist
