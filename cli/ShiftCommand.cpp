#include "cli/ShiftCommand.h"

#include "base/FilePath.h"
#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "cli/CliOptions.h"
#include "shift/ShiftAmount.h"
#include "shift/TimeShift.h"

#include <cstdio>
#include <ctime>
#include <variant>

namespace {

constexpr const char* kUsage = "shift FILE +-HH:MM:SS[.mmm]|HH:MM:SS [--from I] [--to J] [-o OUT]";

/// What the command line asked for: an amount, or a time of day for stroke I.
struct ShiftRequest
{
    std::string strFile;
    std::string strOut;
    std::variant<std::int64_t, base::TimeOfDay> amount;
    std::size_t nFrom = 0;
    std::optional<std::size_t> last; ///< the last stroke shifted; none: the file's last
};

std::optional<ShiftRequest> ParseRequest(const std::vector<std::string>& arguments)
{
    const std::optional<CliArguments> split = SplitOptions(arguments, {"--from", "--to", "-o"});
    if (!split || split->plain.size() != 2)
        return std::nullopt;
    ShiftRequest request;
    request.strFile = split->plain[0];
    request.strOut = split->Option("-o", request.strFile);
    if (const auto nAmount = shift::ParseShiftAmount(split->plain[1]))
        request.amount = *nAmount;
    else if (const auto time = base::ParseTimeOfDay(split->plain[1]))
        request.amount = *time;
    else
        return std::nullopt;
    const std::optional<std::size_t> from = ParseIndex(split->Option("--from", "0"));
    if (!from)
        return std::nullopt;
    request.nFrom = *from;
    if (split->options.contains("--to")) {
        request.last = ParseIndex(split->Option("--to", ""));
        if (!request.last)
            return std::nullopt;
    }
    return request;
}

/// The strokes shifted in place; the reason when they cannot be.
std::wstring Shift(std::vector<CStenoStroke>& strokes, const ShiftRequest& request)
{
    const std::size_t nEnd = request.last ? *request.last + 1 : strokes.size();
    if (request.nFrom >= nEnd || nEnd > strokes.size())
        return L"strokes " + std::to_wstring(request.nFrom) + L" to " + std::to_wstring(nEnd - 1) +
               L" are not among its " + std::to_wstring(strokes.size()) + L" strokes";
    std::int64_t nAmount = 0;
    if (const auto* pAmount = std::get_if<std::int64_t>(&request.amount))
        nAmount = *pAmount;
    else if (const auto anchored = shift::AmountToTimeOfDay(
                 strokes[request.nFrom], std::get<base::TimeOfDay>(request.amount)))
        nAmount = *anchored;
    else
        return L"stroke " + std::to_wstring(request.nFrom) + L" has no local time";
    const shift::ShiftPlan plan = shift::PlanShift(strokes, request.nFrom, nEnd, nAmount);
    if (!plan.IsRefused())
        shift::ApplyShift(strokes, request.nFrom, plan.moves, nAmount);
    return plan.strRefusal;
}

} // namespace

int RunShift(const std::vector<std::string>& arguments)
{
    const std::optional<ShiftRequest> request = ParseRequest(arguments);
    if (!request)
        return UsageError(kUsage);
    StrokeFileHeader header;
    std::vector<CStenoStroke> strokes;
    if (!LoadStrokes(request->strFile, header, strokes))
        return kExitFailure;
    const std::wstring strRefusal = Shift(strokes, *request);
    if (!strRefusal.empty()) {
        ReportFileFailure("shift", request->strFile, base::PathFromWide(strRefusal).native());
        return kExitFailure;
    }
    // A save writes today's date, as the editor's does.
    if (!SaveStrokes(request->strOut, strokes, std::time(nullptr)))
        return kExitFailure;
    return kExitSuccess;
}
