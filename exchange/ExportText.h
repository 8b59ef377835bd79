#pragma once
// Text fields of the export formats: a CSV field quoted as RFC 4180 asks, and a
// JSON string escaped by the JSON library.

#include "base/BufferedWriter.h"

#include <string_view>

namespace exchange {

/// The field as it is, or in double quotes with its quotes doubled when it holds
/// a comma, a double quote, a CR or a LF.
void WriteCsvField(base::CBufferedWriter& out, std::string_view field);

/// The UTF-8 text as a JSON string with its quotes; bytes that are not UTF-8
/// become U+FFFD.
void WriteJsonString(base::CBufferedWriter& out, std::string_view text);

} // namespace exchange
