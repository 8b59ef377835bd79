#pragma once
// Reading a whole stroke file into records, shared by the document's load and
// by quillmark-cli, so both read every file the same way.

#include "rtfcre/FileProgress.h"
#include "rtfcre/LoadCancelled.h"
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
///
/// The file is mapped rather than copied, and its strokes are parsed on two
/// threads while it is read. pProgress, when given, is told the fraction of the
/// file read, on the calling thread, about every 1 % of the file's bytes; when it
/// answers false the load stops and throws CLoadCancelled, the strokes read
/// before staying appended.
void LoadStrokeFile(const std::filesystem::path& path, StrokeFileHeader& header,
                    std::vector<CStenoStroke>& strokes, IFileProgress* pProgress = nullptr);

/// LoadStrokeFile as the program read files before: in blocks, one stroke after
/// the other on the calling thread. Kept to check LoadStrokeFile against.
void LoadStrokeFileSequential(const std::filesystem::path& path, StrokeFileHeader& header,
                              std::vector<CStenoStroke>& strokes);
