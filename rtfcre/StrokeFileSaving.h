#pragma once
// Writing a whole stroke file, shared by the document's save and by
// quillmark-cli, so both write every file the same way.

#include "rtfcre/FileProgress.h"
#include "steno/StenoStroke.h"

#include <ctime>
#include <filesystem>
#include <span>

/// Writes the strokes to path in the writer's own form, with a header dated
/// creationTime, replacing the file only once the new one is complete. Any
/// failure throws with the reason; the file on disk is then as it was.
///
/// The strokes are formatted on two threads, a large buffer at a time, each
/// buffer written with one write. pProgress, when given, is told the fraction
/// written, on the calling thread, about every 1 % of the strokes; a save
/// goes on whatever it answers.
void SaveStrokeFile(const std::filesystem::path& path, std::span<const CStenoStroke> strokes,
                    std::time_t creationTime, IFileProgress* pProgress = nullptr);
