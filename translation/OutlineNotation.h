#pragma once
// Reading dictionary outlines: strokes joined by '/', each in the standard steno
// notation with the implicit hyphen (KAT is K-, A, -T) or in the program's own
// notation (KA-T, -EU, #1-9). Both come out as the same key bits, so outlines are
// compared in one normalised form whatever notation a dictionary is written in.

#include "steno/StenoKeys.h"

#include <optional>
#include <string_view>
#include <vector>

namespace translation {

/// The keys of one stroke, or nothing when the text is not a stroke. Digits stand
/// for their keys with the number bar; the '@' key is read only with bAllowAt.
std::optional<steno::KeyBits> ParseStroke(std::string_view text, bool bAllowAt);

/// The strokes of an outline into strokes (cleared first); false when any stroke
/// is not steno or the outline is empty.
bool ParseOutline(std::string_view text, bool bAllowAt, std::vector<steno::KeyBits>& strokes);

/// The stroke in the program's own notation (as the stroke list and dump write it),
/// as 8-bit text.
std::string KeysText(steno::KeyBits keys);

/// The strokes in the program's own notation joined by '/'.
std::string OutlineText(const std::vector<steno::KeyBits>& strokes);

} // namespace translation
