#include "statistics/StatisticsJson.h"

#include "base/FilePath.h"
#include "statistics/StatisticsText.h"

#include <nlohmann/json.hpp>

namespace statistics {

namespace {

using Json = nlohmann::ordered_json;

/// The program's UTF-8 form of wide text is the one it gives file names.
std::string Utf8(std::wstring_view text)
{
    return base::PathFromWide(text).native();
}

Json MinutesJson(const SpeedStatistics& speed)
{
    Json minutes = Json::array();
    for (const MinuteCount& minute : speed.minutes)
        minutes.push_back({{"minute", Utf8(MinuteText(minute.nMinute))},
                           {"time", minute.nMinute * kSecondsPerMinute},
                           {"strokes", minute.nStrokes},
                           {"words", minute.nWords}});
    return minutes;
}

Json SpeedJson(const SpeedStatistics& speed)
{
    return {{"first_minute", Utf8(MinuteText(speed.nFirstMinute))},
            {"first_minute_time", speed.nFirstMinute * kSecondsPerMinute},
            {"minute_count", speed.nMinuteCount},
            {"strokes", speed.nStrokes},
            {"words", speed.nWords},
            {"minutes", MinutesJson(speed)}};
}

Json PausesJson(const PauseStatistics& pauses)
{
    Json bins = Json::array();
    for (int nBin = 0; nBin < kPauseBinCount; ++nBin)
        bins.push_back({{"from_seconds", PauseBinStart(nBin)},
                        {"count", pauses.bins[static_cast<std::size_t>(nBin)]}});
    Json longest = Json::array();
    for (const LongPause& pause : pauses.longest)
        longest.push_back({{"stroke", pause.nStroke}, {"seconds", pause.nSeconds}});
    return {{"count", pauses.nPauses},
            {"backwards", pauses.nBackwards},
            {"bins", std::move(bins)},
            {"longest", std::move(longest)}};
}

Json MisstrokesJson(const MisstrokeStatistics& misstrokes)
{
    Json top = Json::array();
    for (const Misstroke& misstroke : misstrokes.top)
        top.push_back({{"outline", Utf8(misstroke.strOutline)},
                       {"text", Utf8(misstroke.strText)},
                       {"count", misstroke.nCount},
                       {"first_stroke", misstroke.nFirstStroke}});
    return {{"source", misstrokes.bTranslated ? "translation" : "star strokes"},
            {"count", misstrokes.nCount},
            {"outlines", misstrokes.nOutlines},
            {"top", std::move(top)}};
}

Json ValuesJson(const ValueSummary& values)
{
    return {{"count", values.nCount},
            {"min", values.nMin},
            {"lower_quartile", values.lowerQuartile},
            {"median", values.median},
            {"upper_quartile", values.upperQuartile},
            {"max", values.nMax},
            {"bin_width", values.nBinWidth},
            {"histogram", values.histogram}};
}

Json KeysJson(const KeyTable& keys)
{
    Json table = Json::array();
    for (const KeyStatistics& key : keys)
        table.push_back({{"key", Utf8(KeyName(key.nKey))},
                         {"down", key.nDown},
                         {"marked", key.nMarked},
                         {"values", ValuesJson(key.values)}});
    return table;
}

Json SpreadJson(const SpreadStatistics& spread)
{
    Json stacked = Json::array();
    stacked.get_ref<Json::array_t&>().reserve(spread.stacked.size());
    for (const StackedStroke& stroke : spread.stacked)
        stacked.push_back(Json::array({stroke.nStroke, stroke.ms}));
    return {{"threshold_ms", spread.nThresholdMs},
            {"strokes", spread.nStrokes},
            {"bin_ms", kSpreadBinMs},
            {"bins", spread.bins},
            {"stacked", std::move(stacked)}};
}

} // namespace

std::string StatisticsJson(const StrokeStatistics& stats)
{
    const Json json = {{"strokes", stats.nStrokes},
                       {"first_index", stats.nFirstIndex},
                       {"translated", stats.misstrokes.bTranslated},
                       {"speed", SpeedJson(stats.speed)},
                       {"pauses", PausesJson(stats.pauses)},
                       {"misstrokes", MisstrokesJson(stats.misstrokes)},
                       {"keys", KeysJson(stats.keys)},
                       {"spread", SpreadJson(stats.spread)}};
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace statistics
