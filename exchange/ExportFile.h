#pragma once
// A run of strokes exported whole: to any output, or to a file that is replaced
// only once the export is complete. The editor exports its selection this way,
// quillmark-cli a whole file.

#include "exchange/StrokeExport.h"

#include <filesystem>
#include <span>

namespace exchange {

/// JSON for a name ending in ".json" (in any case), CSV for any other.
ExportFormat ExportFormatOfPath(const std::filesystem::path& path);

/// Every stroke's record between the format's opening and closing; the first
/// stroke is stroke nFirstIndex of its document, the records carry those indexes
/// (and the translation's text, when a source is given).
void ExportStrokes(base::CBufferedWriter& out, ExportFormat format,
                   std::span<const CStenoStroke> strokes, std::size_t nFirstIndex,
                   TranslationSource translation = nullptr);

/// The same as a file, which is replaced only once the new one is complete.
/// Throws with the reason on failure; the file is then as it was.
void ExportStrokeFile(const std::filesystem::path& path, ExportFormat format,
                      std::span<const CStenoStroke> strokes, std::size_t nFirstIndex);

} // namespace exchange
