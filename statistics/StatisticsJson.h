#pragma once
// The statistics as a JSON document, for scripts: every number of the text
// form, with stroke indexes from the document's start and minutes both as
// local time and as seconds since 1970. The possibly stacked strokes, which
// can be most strokes of a file, are pairs [stroke, ms] to keep it compact.

#include "statistics/StrokeStatistics.h"

#include <string>

namespace statistics {

/// The document on one line, as UTF-8; text that is not valid becomes U+FFFD.
std::string StatisticsJson(const StrokeStatistics& stats);

} // namespace statistics
