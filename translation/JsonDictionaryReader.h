#pragma once
// Reads a dictionary in the JSON form steno engines share: one object whose keys
// are outlines (strokes joined by '/') and whose values are the entries' text.

#include "translation/DictionaryError.h"
#include "translation/StenoDictionary.h"

#include <string>

namespace translation {

/// Adds the entries to dictionary, the later of two equal outlines winning.
/// Entries whose outline is not steno are noted and left out. Throws
/// CDictionaryError naming the line where the JSON goes wrong. bytes may grow
/// room at its end for the parser, which reads past the text.
void ReadJsonDictionary(std::string& bytes, CStenoDictionary& dictionary, DictionaryNotes& notes);

} // namespace translation
