#pragma once
// What the windows need to know about the desktop.

#include "platform/core/Geometry.h"

#include <string>

namespace platform {

/// The screen area not covered by task bars and docks, in screen pixels.
Rect DesktopWorkArea();
/// The client size of a window that covers the whole screen.
Size FullScreenClientSize();
/// How many lines one notch of the mouse wheel scrolls.
int WheelScrollLines();
/// The user's documents folder, empty when the system cannot tell.
std::wstring DocumentsFolder();

} // namespace platform
