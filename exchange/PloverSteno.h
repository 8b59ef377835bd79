#pragma once
// Strokes as the open steno engine writes them: its steno text ("KAT",
// "TKPW-G", "1-9": keys in steno order, a hyphen only where the side would be
// unclear, digits for number-bar strokes) and its paper tape, one character
// column a key in the order "#STKPWHRAO*EUFRPBLGTSDZ".

#include "steno/StenoKeys.h"

#include <optional>
#include <string_view>

namespace exchange {

/// The keys of steno text; none when it is empty or not in steno order.
std::optional<steno::KeyBits> ParsePloverSteno(std::string_view text);

/// The keys of a paper tape line; none when a column holds anything but its
/// key's letter or digit, or no key is down.
std::optional<steno::KeyBits> ParsePaperColumns(std::string_view text);

/// Either form of a tape line: columns when it holds a blank or fills all 23
/// columns, steno text otherwise (a column line without blanks reads the same
/// both ways).
std::optional<steno::KeyBits> ParseTapeStroke(std::string_view text);

} // namespace exchange
