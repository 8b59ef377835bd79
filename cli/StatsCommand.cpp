#include "cli/StatsCommand.h"

#include "base/BufferedWriter.h"
#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "rtfcre/StrokeFileLoading.h"
#include "statistics/StatisticsJson.h"
#include "statistics/StatisticsText.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

constexpr const char* kUsage = "Usage: quillmark-cli stats FILE [--json] [--stacked MS]\n";

struct StatsOptions
{
    bool bJson = false;
    int nStackedMs = statistics::kDefaultStackedMs;
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

/// The options after FILE, in any order; none when one is unknown or incomplete.
std::optional<StatsOptions> ParseOptions(const std::vector<std::string>& arguments)
{
    StatsOptions options;
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
    if (!LoadStrokes(arguments[0], header, strokes))
        return kExitFailure;
    statistics::StatisticsInput input;
    input.strokes = strokes;
    input.nStackedMs = options->nStackedMs;
    const statistics::StrokeStatistics stats = *statistics::ComputeStatistics(input);
    base::CBufferedWriter out(STDOUT_FILENO);
    if (options->bJson)
        out << std::string_view(statistics::StatisticsJson(stats)) << '\n';
    else
        statistics::WriteStatisticsText(out, stats);
    return FinishOutput(out, kExitSuccess);
}
