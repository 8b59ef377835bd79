#pragma once
// The statistics as a JSON document, for scripts: every number of the text
// form, with stroke indexes from the document's start and minutes both as
// local time and as seconds since 1970.

#include "statistics/StrokeStatistics.h"

#include <nlohmann/json.hpp>

namespace statistics {

nlohmann::ordered_json StatisticsJson(const StrokeStatistics& stats);

} // namespace statistics
