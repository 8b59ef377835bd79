#pragma once
// Colours as the program writes them: one number in 0x00BBGGRR order
// (0x787878 is the grey 120, 120, 120).

#include <cstdint>

namespace platform {

using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(int r, int g, int b)
{
    return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(ColorRef c)
{
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(ColorRef c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(ColorRef c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}

inline constexpr ColorRef kBlack = Rgb(0, 0, 0);
inline constexpr ColorRef kWhite = Rgb(255, 255, 255);
/// The grey of a key the writer marked, in the list and the monitors alike.
inline constexpr ColorRef kMarkedGrey = Rgb(120, 120, 120);

} // namespace platform
