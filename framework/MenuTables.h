#pragma once
// The entries and bitmaps of the File, Edit and Options menus.

#include "framework/MenuItem.h"

#include <vector>

namespace framework {

inline constexpr int kFileMenuBackground = 161;    // 190 x 191
inline constexpr int kEditMenuBackground = 160;    // 190 x 254
inline constexpr int kOptionsMenuBackground = 159; // 190 x 136
inline constexpr int kMenuHoverBar = 163;          // 182 x 22
inline constexpr int kMenuSeparator = 185;         // 177 x 2

std::vector<MenuItem> FileMenuItems();
std::vector<MenuItem> EditMenuItems();
std::vector<MenuItem> OptionsMenuItems();

} // namespace framework
