// The colours, fonts and shared measures of Quillmark's skin. Every bitmap
// takes its colours from here, so the windows read as one family: a slate-navy
// title band, a warm light-grey body, one teal accent for hover and pressed.
#pragma once

#include <QRgb>

namespace skin::palette {

// Title bands, monitor bezels and the menus: deep slate navy.
constexpr QRgb kNavyTop = qRgb(0x36, 0x4A, 0x62);
constexpr QRgb kNavyBottom = qRgb(0x24, 0x34, 0x47);
constexpr QRgb kNavyEdge = qRgb(0x13, 0x1C, 0x27);
constexpr QRgb kNavyHighlight = qRgb(0x4D, 0x63, 0x7E);
constexpr QRgb kNavyText = qRgb(0xF2, 0xF4, 0xF7);
constexpr QRgb kNavyMuted = qRgb(0x7E, 0x91, 0xA8);

// Column heading band of the main window (white outlined text goes on it).
constexpr QRgb kHeadingTop = qRgb(0x5A, 0x6C, 0x81);
constexpr QRgb kHeadingBottom = qRgb(0x49, 0x5A, 0x6D);

// Body of the windows: warm light grey.
constexpr QRgb kBodyTop = qRgb(0xF2, 0xF0, 0xEB);
constexpr QRgb kBody = qRgb(0xE8, 0xE5, 0xDF);
constexpr QRgb kBodyShade = qRgb(0xDC, 0xD8, 0xD0);
constexpr QRgb kBodyRule = qRgb(0xC6, 0xC0, 0xB5);
constexpr QRgb kBodyLight = qRgb(0xFB, 0xFA, 0xF8);
constexpr QRgb kInk = qRgb(0x25, 0x30, 0x3D);
constexpr QRgb kWhite = qRgb(0xFF, 0xFF, 0xFF);
constexpr QRgb kBlack = qRgb(0x00, 0x00, 0x00);

// Frames of controls and of the white panels.
constexpr QRgb kFrame = qRgb(0x8E, 0x98, 0xA4);
constexpr QRgb kFrameDark = qRgb(0x6A, 0x75, 0x82);

// The one accent: a calm teal.
constexpr QRgb kAccentLight = qRgb(0x3E, 0xA8, 0xA0);
constexpr QRgb kAccent = qRgb(0x2C, 0x8C, 0x86);
constexpr QRgb kAccentDark = qRgb(0x1E, 0x6A, 0x66);
constexpr QRgb kAccentDeep = qRgb(0x16, 0x50, 0x4D);
constexpr QRgb kAccentTint = qRgb(0xE6, 0xF3, 0xF1);
constexpr QRgb kAccentWash = qRgb(0xCC, 0xE5, 0xE1);

// The close button warns in a muted brick red when the pointer is on it.
constexpr QRgb kCloseLight = qRgb(0xC9, 0x5C, 0x52);
constexpr QRgb kClose = qRgb(0xA8, 0x44, 0x3C);
constexpr QRgb kCloseDark = qRgb(0x84, 0x31, 0x2B);

// Menus hang over the list in the navy of the title band.
constexpr QRgb kMenuBody = qRgb(0x2D, 0x3B, 0x4C);
constexpr QRgb kMenuBevel = qRgb(0x45, 0x57, 0x6E);
constexpr QRgb kMenuShadow = qRgb(0x21, 0x2C, 0x39);

// Masks: white is outside the button, black inside.
constexpr QRgb kMaskOutside = qRgb(0xFF, 0xFF, 0xFF);
constexpr QRgb kMaskInside = qRgb(0x00, 0x00, 0x00);

} // namespace skin::palette

namespace skin::metrics {

constexpr const char* kFontFamily = "Liberation Sans";

// Rows 0..36 are the title band, row 37 its accent rule; a window's title
// double-click and its drawn close button (at y 3, 31 high) live there.
constexpr int kTitleBandHeight = 37;
constexpr int kTitleRuleRow = 37;

constexpr int kButtonRadius = 6;
constexpr int kPushButtonRadius = 5;

} // namespace skin::metrics
