#include "cli/StatsCommand.h"

#include "base/BufferedWriter.h"
#include "cli/CliCommand.h"
#include "cli/CliDictionaries.h"
#include "cli/CliFiles.h"
#include "rtfcre/StrokeFileLoading.h"
#include "statistics/StatisticsJson.h"
#include "statistics/StatisticsText.h"
#include "statistics/TranslationRecords.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

constexpr const char* kUsage =
    "Usage: quillmark-cli stats FILE [--json] [--stacked MS] [-d DICT]...\n";

struct StatsOptions
{
    std::string strFile;
    bool bJson = false;
    int nStackedMs = statistics::kDefaultStackedMs;
    std::vector<std::filesystem::path> dictionaries;
};

/// Milliseconds as plain digits; none for anything else.
std::optional<int> ParseMilliseconds(const std::string& strText)
{
    int nMs = 0;
    const char* end = strText.data() + strText.size();
    const auto [p, error] = std::from_chars(strText.data(), end, nMs);
    if (strText.empty() || strText[0] == '-' || error != std::errc() || p != end)
        return std::nullopt;
    return nMs;
}

/// FILE and the options after it, in any order; none when one is unknown or incomplete.
std::optional<StatsOptions> ParseOptions(std::vector<std::string> arguments)
{
    StatsOptions options;
    auto dictionaries = TakeDictionaryOptions(arguments);
    if (!dictionaries || arguments.empty())
        return std::nullopt;
    options.dictionaries = std::move(*dictionaries);
    options.strFile = arguments[0];
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--json") {
            options.bJson = true;
            continue;
        }
        if (arguments[i] != "--stacked" || ++i == arguments.size())
            return std::nullopt;
        const std::optional<int> nMs = ParseMilliseconds(arguments[i]);
        if (!nMs)
            return std::nullopt;
        options.nStackedMs = *nMs;
    }
    return options;
}

/// The records of the strokes' translation when any dictionary loaded; false
/// when one failed to load.
bool TranslateStrokes(const std::vector<std::filesystem::path>& named,
                      std::span<const CStenoStroke> strokes,
                      std::optional<std::vector<statistics::TranslationRecord>>& records)
{
    translation::CDictionaryCollection dictionaries;
    const bool bLoaded = LoadDictionaries(DictionaryPaths(named), dictionaries);
    if (dictionaries.Count() > 0)
        records = statistics::MakeTranslationRecords(dictionaries, strokes, 0);
    return bLoaded;
}

} // namespace

int RunStats(const std::vector<std::string>& arguments)
{
    const std::optional<StatsOptions> options = ParseOptions(arguments);
    if (!options) {
        std::fputs(kUsage, stderr);
        return kExitUsage;
    }
    StrokeFileHeader header;
    std::vector<CStenoStroke> strokes;
    if (!LoadStrokes(options->strFile, header, strokes))
        return kExitFailure;
    std::optional<std::vector<statistics::TranslationRecord>> records;
    const bool bLoaded = TranslateStrokes(options->dictionaries, strokes, records);
    statistics::StatisticsInput input;
    input.strokes = strokes;
    input.nStackedMs = options->nStackedMs;
    if (records)
        input.translations = *records;
    const statistics::StrokeStatistics stats = *statistics::ComputeStatistics(input);
    base::CBufferedWriter out(STDOUT_FILENO);
    if (options->bJson)
        out << std::string_view(statistics::StatisticsJson(stats)) << '\n';
    else
        statistics::WriteStatisticsText(out, stats);
    return FinishOutput(out, bLoaded ? kExitSuccess : kExitFailure);
}
