#pragma once
// Writing a whole stroke file, shared by the document's save and by
// quillmark-cli, so both write every file the same way.

#include "steno/StenoStroke.h"

#include <ctime>
#include <filesystem>
#include <span>

/// Writes the strokes to path in the writer's own form, with a header dated
/// creationTime, replacing the file only once the new one is complete. Any
/// failure throws with the reason; the file on disk is then as it was.
void SaveStrokeFile(const std::filesystem::path& path, std::span<const CStenoStroke> strokes,
                    std::time_t creationTime);
