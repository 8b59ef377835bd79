#include "cli/DocumentCommands.h"

#include "cli/CliCommand.h"
#include "cli/CliOptions.h"
#include "cli/CliPrompter.h"
#include "base/AnsiText.h"
#include "base/BufferedWriter.h"
#include "base/FilePath.h"
#include "base/LocalTime.h"
#include "base/TimeOfDayText.h"
#include "steno/StenoEncoder.h"
#include "strokelist/SearchRequests.h"
#include "strokelist/StrokeDocument.h"

#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

using base::TimeOfDay;
using strokelist::CStrokeDocument;

constexpr const char* kListTimeFormat = "%H:%M:%S";

int ReportFailure(const CCliPrompter& prompter, const CStrokeDocument& document)
{
    std::fprintf(stderr, "%s: %s\n", prompter.Failure().c_str(), document.LastFailure().c_str());
    return kExitFailure;
}

// Loads as the editor's Open does; false after the failure has been reported.
bool Load(CStrokeDocument& document, CCliPrompter& prompter, const std::string& strPath)
{
    if (document.LoadFile(base::WideFromPath(strPath), prompter))
        return true;
    ReportFailure(prompter, document);
    return false;
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
    CCliPrompter prompter(stderr);
    if (!Load(document, prompter, arguments[0]))
        return kExitFailure;
    const steno::KeyBits keys = KeysOf(arguments[1]);
    base::CBufferedWriter out(STDOUT_FILENO);
    const int nCount = document.Count();
    int nFound = document.FindStrokeByKeys(0, keys);
    if (nFound == -1)
        prompter.Information(L"No occurrences found");
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
    CCliPrompter prompter(stdout);
    if (!Load(document, prompter, arguments[0]))
        return kExitFailure;
    strokelist::ReplaceStrokeState state;
    state.m_findKeys = KeysOf(arguments[1]);
    state.m_replaceKeys = KeysOf(arguments[2]);
    strokelist::RunReplaceRequest(document, prompter, state, true, -1);
    if (!document.IsModified())
        return kExitSuccess;
    if (!document.SaveFile(strOut, prompter))
        return ReportFailure(prompter, document);
    return kExitSuccess;
}

int RunGoto(const std::vector<std::string>& arguments)
{
    const std::optional<TimeOfDay> time = base::ParseTimeOfDay(arguments[1]);
    if (!time)
        return UsageError("goto FILE HH:MM:SS");
    CStrokeDocument document;
    CCliPrompter prompter(stderr);
    if (!Load(document, prompter, arguments[0]))
        return kExitFailure;
    strokelist::GotoTimeState state;
    // A time that does not exist on that day cannot match any stroke.
    state.m_time = TimeOnFileDate(document, *time).value_or(-1);
    strokelist::RunGotoTimeRequest(document, prompter, state, state.m_nNext);
    if (prompter.InformationCount() == 0)
        std::printf("%d\n", document.Current());
    return kExitSuccess;
}

int RunResave(const std::vector<std::string>& arguments)
{
    CStrokeDocument document;
    CCliPrompter prompter(stderr);
    if (!Load(document, prompter, arguments[0]))
        return kExitFailure;
    if (!document.SaveFile(base::WideFromPath(arguments[1]), prompter))
        return ReportFailure(prompter, document);
    return kExitSuccess;
}
