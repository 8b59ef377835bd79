#pragma once
// Flags of the text-in-a-rectangle drawing, with the desktop's numbers, because
// the views were written with them (a time field draws with 4 and 5).

#include <cstdint>
#include <string>

namespace platform {

using TextFlags = std::uint32_t;

inline constexpr TextFlags kDtLeft = 0x0000;
inline constexpr TextFlags kDtTop = 0x0000;
inline constexpr TextFlags kDtCenter = 0x0001;
inline constexpr TextFlags kDtRight = 0x0002;
/// Centres vertically, but only together with kDtSingleLine; alone it leaves
/// the text at the top.
inline constexpr TextFlags kDtVCenter = 0x0004;
inline constexpr TextFlags kDtBottom = 0x0008;
inline constexpr TextFlags kDtSingleLine = 0x0020;
/// Draws outside the rectangle instead of clipping.
inline constexpr TextFlags kDtNoClip = 0x0100;
/// Shows '&' as itself instead of underlining the next character.
inline constexpr TextFlags kDtNoPrefix = 0x0800;
inline constexpr TextFlags kDtEndEllipsis = 0x8000;

/// A text after ampersand processing: "&&" is one '&', "&x" underlines x.
struct PrefixedText
{
    std::wstring strText;
    int nUnderline = -1; ///< index in strText of the underlined character, -1 for none
};

/// Resolves the ampersands the way the text-in-a-rectangle drawing does; the
/// last single '&' wins, a trailing '&' is dropped.
PrefixedText ResolvePrefix(const std::wstring& strText);

} // namespace platform
