#pragma once
// Commands travel as kWmCommand with the identifier as the first parameter, so
// a button, an accelerator and a menu entry look alike to the receiver.

#include <cstdint>

namespace platform {

using MessageId = std::uint32_t;

inline constexpr MessageId kWmCommand = 0x0111;


} // namespace platform
