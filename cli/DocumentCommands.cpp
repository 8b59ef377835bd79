#include "cli/DocumentCommands.h"

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "cli/CliOptions.h"
#include "base/AnsiText.h"
#include "base/BufferedWriter.h"
#include "base/FilePath.h"
#include "base/LocalTime.h"
#include "base/TimeOfDayText.h"
#include "document/DocumentFlows.h"
#include "document/StrokeDocument.h"
#include "steno/StenoEncoder.h"

#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

using base::TimeOfDay;
using doc::CStrokeDocument;

constexpr const char* kListTimeFormat = "%H:%M:%S";

// Messages carry file names: written in the file names' own encoding.
void Print(std::FILE* pOut, const std::wstring& strText)
{
    std::fprintf(pOut, "%s\n", base::PathFromWide(strText).c_str());
    std::fflush(pOut);
}

// Loads as the editor's Open does; false after the failure has been reported.
bool Load(CStrokeDocument& document, const std::string& strPath)
{
    const doc::FileOutcome outcome = document.Load(base::WideFromPath(strPath));
    if (!outcome.bDone)
        ReportFileFailure("load", strPath, outcome.strReason);
    return outcome.bDone;
}

int Save(CStrokeDocument& document, const std::wstring& strPath)
{
    const doc::FileOutcome outcome = document.Save(strPath);
    if (outcome.bDone)
        return kExitSuccess;
    ReportFileFailure("save", base::PathFromWide(strPath).native(), outcome.strReason);
    return kExitFailure;
}

steno::KeyBits KeysOf(const std::string& strSteno)
{
    return CStenoEncoder().StenoToKeys(base::AnsiToWide(strSteno));
}

// The time the go-to-time dialog would hold: that time of day on the file's date.
std::optional<std::int64_t> TimeOnFileDate(const CStrokeDocument& document, const TimeOfDay& time)
{
    const StrokeFileHeader& header = document.Header();
    try {
        return base::MakeLocalTime(header.nYear, header.nMonth, header.nDay, time.nHour,
                                     time.nMinute, time.nSecond);
    } catch (const base::CStatusException&) {
        return std::nullopt;
    }
}

} // namespace

int RunFind(const std::vector<std::string>& arguments)
{
    CStrokeDocument document;
    if (!Load(document, arguments[0]))
        return kExitFailure;
    const steno::KeyBits keys = KeysOf(arguments[1]);
    base::CBufferedWriter out(STDOUT_FILENO);
    const int nCount = document.Count();
    int nFound = document.FindStrokeByKeys(0, keys);
    if (nFound == -1)
        Print(stderr, std::wstring(doc::kNoOccurrencesText));
    while (nFound != -1) {
        out << static_cast<std::int64_t>(nFound) << '\t'
            << std::wstring_view(
                   base::FormatLocalTime(document.Stroke(nFound).m_time, kListTimeFormat))
            << '\n';
        nFound = nFound + 1 < nCount ? document.FindStrokeByKeys(nFound + 1, keys) : -1;
    }
    return FinishOutput(out, kExitSuccess);
}

int RunReplace(const std::vector<std::string>& arguments)
{
    constexpr const char* kUsage = "replace FILE FIND PUT [-o OUT]";
    if (arguments.size() != 3 && (arguments.size() != 5 || arguments[3] != "-o"))
        return UsageError(kUsage);
    const std::wstring strOut =
        base::WideFromPath(arguments.size() == 5 ? arguments[4] : arguments[0]);

    CStrokeDocument document;
    if (!Load(document, arguments[0]))
        return kExitFailure;
    const int nReplaced =
        document.ReplaceKeys(-1, KeysOf(arguments[1]), KeysOf(arguments[2]), true);
    Print(stdout, doc::ReplacedText(nReplaced));
    return nReplaced == 0 ? kExitSuccess : Save(document, strOut);
}

int RunGoto(const std::vector<std::string>& arguments)
{
    const std::optional<TimeOfDay> time = base::ParseTimeOfDay(arguments[1]);
    if (!time)
        return UsageError("goto FILE HH:MM:SS");
    CStrokeDocument document;
    if (!Load(document, arguments[0]))
        return kExitFailure;
    // A time that does not exist on that day cannot match any stroke.
    const std::optional<std::int64_t> at = TimeOnFileDate(document, *time);
    const int nFound = at ? document.FindStrokeByTime(0, *at) : -1;
    if (nFound == -1)
        Print(stderr, std::wstring(doc::kNoOccurrencesText));
    else
        std::printf("%d\n", nFound);
    return kExitSuccess;
}

int RunResave(const std::vector<std::string>& arguments)
{
    CStrokeDocument document;
    if (!Load(document, arguments[0]))
        return kExitFailure;
    return Save(document, base::WideFromPath(arguments[1]));
}
