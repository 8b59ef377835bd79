#pragma once
// Reads an entry's text in the notation of its dictionary and lays it out:
// the engines' brace notation of JSON dictionaries ({^ing}, {-|}, {&a}, {.}) and
// the RTF/CRE notation (\cxds, \cxfc, {\cxp. }, {\cxfing a}, \par).

#include "translation/CodePage.h"
#include "translation/TranscriptLayout.h"

#include <string_view>

namespace translation {

void LayBraceEntry(std::string_view text, CTranscriptLayout& layout);
void LayRtfEntry(std::string_view text, const CCodePage& codePage, CTranscriptLayout& layout);

} // namespace translation
