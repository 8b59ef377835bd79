#pragma once
// The entries and bitmaps of the File, Edit and Options menus.

#include "framework/MenuItem.h"

#include <vector>

namespace framework {

inline constexpr int kFileMenuBackground = 161;    // 157 x 145
inline constexpr int kEditMenuBackground = 160;    // 157 x 185
inline constexpr int kOptionsMenuBackground = 159; // 157 x 67
inline constexpr int kMenuHoverBar = 163;          // 149 x 22
inline constexpr int kMenuSeparator = 185;         // 144 x 2

std::vector<MenuItem> FileMenuItems();
std::vector<MenuItem> EditMenuItems();
std::vector<MenuItem> OptionsMenuItems();

} // namespace framework
