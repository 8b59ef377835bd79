#pragma once
// The statistics as plain text: a few summary lines, then one table after
// another, each headed by a line of column names and its rows tab-separated.

#include "statistics/StrokeStatistics.h"

#include <optional>
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

/// The busiest minute by one count and the mean over the minutes that hold strokes.
struct PerMinute
{
    std::int64_t nPeakMinute = 0;
    std::int64_t nPeak = 0;
    double mean = 0;
};

/// None without minutes.
std::optional<PerMinute> PerMinuteOf(const SpeedStatistics& speed,
                                     std::int64_t MinuteCount::*pCount);

/// A mean to one decimal: "12.5".
std::string MeanText(double mean);

void WriteStatisticsText(base::CBufferedWriter& out, const StrokeStatistics& stats);

class CTableWriter;

/// The tables of the text form, one after the other, in the writer's style.
void WriteStatisticsTables(CTableWriter& out, const StrokeStatistics& stats);

} // namespace statistics
