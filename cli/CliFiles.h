#pragma once
// Reading and writing stroke files for the commands, every failure reported the
// same way on standard error: "Failed to load file 'PATH': reason".

#include "rtfcre/StrokeFileLoading.h"

namespace base {
class CBufferedWriter;
}

#include <ctime>
#include <functional>
#include <span>
#include <string>
#include <vector>

/// "Failed to <what> file 'PATH': reason" on standard error.
void ReportFileFailure(const char* what, const std::string& strPath, const std::string& strReason);

/// Loads the file; on failure reports it and gives false, keeping the strokes read before.
bool LoadStrokes(const std::string& strPath, StrokeFileHeader& header,
                 std::vector<CStenoStroke>& strokes);

/// Saves the strokes as the editor does, dated creationTime, replacing the file
/// only once the new one is complete; on failure reports it and gives false.
bool SaveStrokes(const std::string& strPath, std::span<const CStenoStroke> strokes,
                 std::time_t creationTime);

/// Writes a file of the command's own through write, replacing it only once the
/// whole new content is on disk; on failure reports it and gives false.
bool WriteFileSafely(const std::string& strPath,
                     const std::function<void(base::CBufferedWriter& out)>& write);
