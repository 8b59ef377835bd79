#pragma once
// Qt key events in the virtual-key codes the key tables are written in.

#include "platform/core/VirtualKeys.h"

class QKeyEvent;

namespace platform {

/// The key's virtual-key code (0 when it has none), Shift, Ctrl, Alt and the
/// repeat count (the event's count: an auto-repeated key-down counts 1). Shifted symbols of the main
/// keyboard give the code of their key as on a US keyboard: '@' is the 2 key,
/// '?' the slash key; keys of the numeric keypad keep their own codes.
KeyInput TranslateKey(const QKeyEvent& event);

} // namespace platform
