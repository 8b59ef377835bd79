#pragma once
// The colours the words are drawn in, the same in the stroke list and the
// transcript window: an untranslated stroke stands out in red, lighter on the
// dark current row; a continuation mark and "no dictionary" are grey.

#include "platform/core/ColorRef.h"

namespace translation {

inline constexpr platform::ColorRef kUntranslatedInk = platform::Rgb(200, 0, 0);
inline constexpr platform::ColorRef kUntranslatedOnDarkInk = platform::Rgb(255, 120, 120);
inline constexpr platform::ColorRef kQuietInk = platform::kMarkedGrey;

/// Drawn on the strokes of an outline after its first.
inline constexpr wchar_t kContinuationMark[] = L"\u2191";

} // namespace translation
