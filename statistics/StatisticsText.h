#pragma once
// The statistics as plain text: a few summary lines, then one table after
// another, each headed by a line of column names and its rows tab-separated.

#include "statistics/StrokeStatistics.h"

#include <string>

namespace base {
class CBufferedWriter;
}

namespace statistics {

/// The name of key nKey as the program writes the key alone ("S", "-S", "*").
std::wstring KeyName(int nKey);

/// A minute as local time, "YYYY-MM-DD HH:MM".
std::wstring MinuteText(std::int64_t nMinute);

/// A number in its shortest exact form: 2, 12.5, 0.25.
std::string NumberText(double value);

void WriteStatisticsText(base::CBufferedWriter& out, const StrokeStatistics& stats);

} // namespace statistics
