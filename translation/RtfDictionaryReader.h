#pragma once
// Reads an RTF/CRE dictionary: an RTF document whose header holds \cxdict and
// whose entries are {\*\cxs OUTLINE}TEXT, the outline in steno strokes joined by
// '/', the text running to the next entry or to the document's closing brace.

#include "translation/DictionaryError.h"
#include "translation/StenoDictionary.h"

#include <string_view>

namespace translation {

/// Adds the entries to dictionary, each text as written without its line breaks
/// and with the 8-bit characters of the file's code page in UTF-8; returns that
/// code page. Entries whose outline is not steno are noted and left out. Throws
/// CDictionaryError when the bytes are no RTF/CRE dictionary.
int ReadRtfDictionary(std::string_view bytes, CStenoDictionary& dictionary, DictionaryNotes& notes);

} // namespace translation
