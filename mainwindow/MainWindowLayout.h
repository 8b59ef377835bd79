#pragma once
// Where the main window puts its buttons, menus, list and status text for a
// client area of w × h pixels.

#include "platform/core/Geometry.h"

#include <array>
#include <string>

namespace mainwindow {

struct ButtonPlace
{
    int nId = 0;
    platform::Point topLeft;
};

inline constexpr int kTitleBandHeight = 38; ///< double-click above this toggles the size
inline constexpr int kPathBandHeight = 50;  ///< repainted when the file changes
inline constexpr platform::Point kFileMenuAt{5, 76};
inline constexpr platform::Point kEditMenuAt{85, 76};
inline constexpr platform::Point kOptionsMenuAt{165, 76};
/// The client size the window opens with, before it maximises itself.
inline constexpr platform::Size kInitialClientSize{675, 520};

/// The two size states; minimising leaves the state as it was.
inline constexpr int kWindowMaximized = 1;
inline constexpr int kWindowNormal = 2;

/// The seven buttons: minimize, maximize, close on the right of the title band,
/// File, Edit, Options, Help below it on the left.
std::array<ButtonPlace, 7> PlaceButtons(int w);

/// The stroke list between 5, 131 from the top-left and 7, 30 from the bottom-right.
platform::Rect ListRect(int w, int h);

/// Where "Stroke %d of %d" is drawn.
platform::Rect StatusRect(int w, int h);

/// "Stroke %d of %d" with the one-based current position (0 for none).
std::wstring StatusText(int nCurrent, int nCount);

/// The window text: "Quillmark - <path>" or "Quillmark - No document".
std::wstring WindowTitle(const std::wstring& strFileName);

} // namespace mainwindow
