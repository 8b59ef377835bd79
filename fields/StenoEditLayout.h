#pragma once
// Where the typed-steno field draws: a white area, the stroke's left keys left
// of a drawn hyphen and its right keys right of it.

#include "platform/core/Geometry.h"

#include <string>
#include <string_view>

namespace fields {

struct StenoEditLayout
{
    platform::Rect rcFill;      ///< filled white
    platform::Rect rcLeft;      ///< the left side, framed by the focus rectangle
    platform::Rect rcHyphen;    ///< the hyphen, centred
    platform::Rect rcRight;     ///< the right side, framed by the focus rectangle
    platform::Rect rcLeftText;  ///< the left text, centred: rcLeft less a pixel at top and bottom
    platform::Rect rcRightText; ///< the right text, centred likewise

    bool operator==(const StenoEditLayout&) const = default;
};

/// The cells of a field with the given client rectangle, for a font in which
/// "-" is nHyphenWidth wide.
StenoEditLayout LayOutStenoEdit(const platform::Rect& rcClient, int nHyphenWidth);

struct StenoEditTexts
{
    std::wstring strLeft;
    std::wstring strRight;

    bool operator==(const StenoEditTexts&) const = default;
};

/// Steno text split at its first hyphen; without one, all of it is the left text.
StenoEditTexts SplitStenoText(std::wstring_view text);

} // namespace fields
