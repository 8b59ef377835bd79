#pragma once
// The stroke files an import writes, one a day: OUT itself for a source of one
// day, otherwise OUT-YYYY-MM-DD.rtf beside it for each day. Each is dated on
// its day, so a load gives its strokes back their date.

#include "steno/StenoStroke.h"

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace exchange {

struct DayFile
{
    std::string strPath; ///< in the file system's encoding
    std::vector<CStenoStroke> strokes;
    std::time_t creationTime = 0; ///< the date its header carries
};

/// The files for the strokes, earliest day first.
std::vector<DayFile> PlanDayFiles(const std::string& strOut, std::vector<CStenoStroke> strokes);

/// Today at 00:00:00 local time: the time of imported strokes whose source has none.
std::int64_t StartOfToday();

} // namespace exchange
