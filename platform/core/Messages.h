#pragma once
// The numbers of the messages windows send each other. The private messages are
// the program's own; commands travel as kWmCommand with the identifier as the
// first parameter, so a button, an accelerator and a menu entry look alike to
// the receiver.

#include <cstdint>

namespace platform {

using MessageId = std::uint32_t;

inline constexpr MessageId kWmCommand = 0x0111;
inline constexpr MessageId kWmApp = 0x8000;

/// A skinned radio button tells the other controls of its group to uncheck.
inline constexpr MessageId WM_SKINBUTTON_UNCHECK = 0x0500;

/// Stroke list → main window at every setting of the current stroke
/// (current index or -1, stroke count). It travels as the direct call
/// IStrokeListObserver::OnCurrentStroke, never as a posted message, so the
/// main window has reacted before the list goes on.
inline constexpr MessageId WM_STROKELIST_CURRENT = kWmApp + 1;
/// Stroke editor → stroke list (1 commit, 0 cancel; 0).
inline constexpr MessageId WM_STROKEEDIT_DONE = kWmApp + 2;
/// Replace dialog → main window (1 replace all, 0 one; start index).
inline constexpr MessageId WM_REPLACE_STROKE = kWmApp + 3;
/// Time field or typed-steno field → parent (kShiftTab while Shift is down, else 0; 0).
inline constexpr MessageId WM_STROKEEDIT_TAB = kWmApp + 5;
/// Time field or typed-steno field → parent (0; 0).
inline constexpr MessageId WM_STROKEEDIT_ENTER = kWmApp + 6;
/// Time field or typed-steno field → parent (0; 0).
inline constexpr MessageId WM_STROKEEDIT_ESCAPE = kWmApp + 7;
/// Find dialog → main window (0; start index).
inline constexpr MessageId WM_FIND_STROKE = kWmApp + 8;
/// Go-to-time dialog → main window (0; start index).
inline constexpr MessageId WM_GOTO_TIME = kWmApp + 9;

/// First parameter of WM_STROKEEDIT_TAB while Shift is held.
inline constexpr std::uintptr_t kShiftTab = 0xFFFF;

} // namespace platform
