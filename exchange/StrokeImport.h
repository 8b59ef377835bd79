#pragma once
// Reading strokes from the open steno engine's files: its stroke log
// ("2024-05-03 09:05:07,123 Stroke(KAT : [...])", translation lines skipped),
// its paper tape (in columns or as steno text) and plover2CAT's tape (time,
// other fields and the keys in columns, separated by '|' or tabs). The strokes
// get the sources' times where they have them, whole seconds of local time,
// and key values and key times 0. A line that holds no stroke is kept with its
// number and the reason, for the user.

#include "steno/StenoStroke.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace exchange {

enum class ImportFormat {
    StrokeLog, ///< .log
    PaperTape, ///< .txt
    CatTape,   ///< .tape
};

/// The format a source's extension names; none for any other.
std::optional<ImportFormat> ImportFormatOf(const std::filesystem::path& path);

struct SkippedLine
{
    std::int64_t nLine = 0; ///< from 1
    std::string strReason;
};

struct ImportedStrokes
{
    std::vector<CStenoStroke> strokes; ///< in the source's order
    std::vector<SkippedLine> skipped;
};

/// Reads the source; strokes of a source without times get untimed. Throws
/// CFileException when the file cannot be opened or read.
ImportedStrokes ImportStrokes(const std::filesystem::path& path, ImportFormat format,
                              std::int64_t untimed);

/// The strokes of one local day, in their order.
struct StrokeDay
{
    int nYear = 0;
    int nMonth = 0;
    int nDay = 0;
    std::vector<CStenoStroke> strokes;
};

/// The strokes grouped by local date, earliest day first; a stroke without a
/// local time joins the day of the first stroke.
std::vector<StrokeDay> SplitByDay(std::vector<CStenoStroke> strokes);

/// The file of one day beside out: "OUT-YYYY-MM-DD.rtf" for "OUT.rtf" (or "OUT").
std::string DayFileName(const std::string& strOut, const StrokeDay& day);

} // namespace exchange
