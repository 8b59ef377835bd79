#pragma once
// Commands travel as kWmCommand with the identifier as the first parameter, so
// a button, an accelerator and a menu entry look alike to the receiver.

#include <cstdint>

namespace platform {

using MessageId = std::uint32_t;

inline constexpr MessageId kWmCommand = 0x0111;

/// A skinned radio button tells the other controls of its group to uncheck.
inline constexpr MessageId WM_SKINBUTTON_UNCHECK = 0x0500;

} // namespace platform
