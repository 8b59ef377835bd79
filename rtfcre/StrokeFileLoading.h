#pragma once
// Reading a whole stroke file into records, shared by the document's load and
// by quillmark-cli, so both read every file the same way.

#include "steno/StenoStroke.h"

#include <filesystem>
#include <string>
#include <vector>

/// What a stroke file's header says.
struct StrokeFileHeader
{
    std::wstring strSystemName;
    std::wstring strSystemText;
    int nYear = 0; ///< the creation date, as written
    int nMonth = 0;
    int nDay = 0;
};

/// Reads the header and then every stroke of the file, appending the records to
/// strokes. A file that cannot be read, a header without its system or creation
/// line, a stroke without a time group or with a bad time throws CFileException
/// with the reason and the line; the strokes read before stay appended.
void LoadStrokeFile(const std::filesystem::path& path, StrokeFileHeader& header,
                    std::vector<CStenoStroke>& strokes);
