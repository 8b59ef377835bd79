#pragma once
// One stroke as a line of text: index, time (seconds since 1970 UTC), keys, raw
// keys, the 24 key values and the 24 key times as "low,high", separated by
// tabs. quillmark-cli dump prints these lines and scripts compare them byte for
// byte; the editor's Copy as Text puts the same lines under kDumpHeader.

#include "steno/StenoEncoder.h"
#include "steno/StenoStroke.h"

#include <string>
#include <string_view>

namespace exchange {

inline constexpr std::string_view kDumpHeader =
    "index\ttime\tkeys\traw keys\tkey values\tkey times\n";

/// Appends the stroke's line, line feed included.
void AppendDumpLine(std::string& text, const CStenoEncoder& encoder, std::size_t nIndex,
                    const CStenoStroke& stroke);

} // namespace exchange
