#pragma once
// The numbers behind the statistics window as CSV: a table of the summary
// figures, then every table of the text form (minutes, pauses, misstrokes,
// keys, spread), each after a blank line and headed by its column names.
// Stroke indexes count from 0, as in the command-line tool.

#include "statistics/StrokeStatistics.h"

namespace base {
class CBufferedWriter;
}

namespace statistics {

void WriteStatisticsCsv(base::CBufferedWriter& out, const StrokeStatistics& stats);

} // namespace statistics
