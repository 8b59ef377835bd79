#pragma once
// Virtual-key codes, the numbers the program's key tables are written in.
// Named with a k prefix so they never meet the desktop headers' macros.

namespace platform {

inline constexpr int kVkBack = 0x08;
inline constexpr int kVkTab = 0x09;
inline constexpr int kVkReturn = 0x0D;
inline constexpr int kVkShift = 0x10;
inline constexpr int kVkControl = 0x11;
inline constexpr int kVkMenu = 0x12; // Alt
inline constexpr int kVkPause = 0x13;
inline constexpr int kVkCapital = 0x14;
inline constexpr int kVkEscape = 0x1B;
inline constexpr int kVkSpace = 0x20;
inline constexpr int kVkPrior = 0x21; // Page Up
inline constexpr int kVkNext = 0x22;  // Page Down
inline constexpr int kVkEnd = 0x23;
inline constexpr int kVkHome = 0x24;
inline constexpr int kVkLeft = 0x25;
inline constexpr int kVkUp = 0x26;
inline constexpr int kVkRight = 0x27;
inline constexpr int kVkDown = 0x28;
inline constexpr int kVkSnapshot = 0x2C; // Print Screen
inline constexpr int kVkInsert = 0x2D;
inline constexpr int kVkDelete = 0x2E;
inline constexpr int kVk0 = 0x30;       // '0' to '9' are 0x30 to 0x39
inline constexpr int kVkA = 0x41;       // 'A' to 'Z' are 0x41 to 0x5A
inline constexpr int kVkNumpad0 = 0x60; // keypad digits 0x60 to 0x69
inline constexpr int kVkMultiply = 0x6A;
inline constexpr int kVkAdd = 0x6B;
inline constexpr int kVkSeparator = 0x6C;
inline constexpr int kVkSubtract = 0x6D;
inline constexpr int kVkDecimal = 0x6E;
inline constexpr int kVkDivide = 0x6F;
inline constexpr int kVkF1 = 0x70; // F1 to F24 are 0x70 to 0x87
inline constexpr int kVkNumLock = 0x90;
inline constexpr int kVkScroll = 0x91;
inline constexpr int kVkOemPlus = 0xBB;
inline constexpr int kVkOemComma = 0xBC;
inline constexpr int kVkOemMinus = 0xBD;
inline constexpr int kVkOemPeriod = 0xBE;
inline constexpr int kVkOem2 = 0xBF; // slash and question mark
inline constexpr int kVkOem3 = 0xC0; // backquote and tilde
inline constexpr int kVkOem4 = 0xDB; // [ {
inline constexpr int kVkOem5 = 0xDC; // backslash |
inline constexpr int kVkOem6 = 0xDD; // ] }
inline constexpr int kVkOem7 = 0xDE; // quotes
inline constexpr int kVkOem1 = 0xBA; // ; :

/// A key-down as the key tables see it.
struct KeyInput
{
    int nVirtualKey = 0; ///< 0 for a key the program has no code for
    bool bShift = false;
    bool bCtrl = false;
    bool bAlt = false; ///< a system key: pressed with Alt held
    int nRepeat = 1;   ///< key-downs this one stands for; auto-repeat alone gives 1

    bool operator==(const KeyInput&) const = default;
};

} // namespace platform
