#include "cli/DocumentCommands.h"

#include "cli/CliCommand.h"
#include "cli/CliPrompter.h"
#include "base/AnsiText.h"
#include "base/BufferedWriter.h"
#include "base/FilePath.h"
#include "base/LocalTime.h"
#include "steno/StenoEncoder.h"
#include "strokelist/SearchRequests.h"
#include "strokelist/StrokeDocument.h"

#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

using strokelist::CStrokeDocument;

constexpr const char* kListTimeFormat = "%H:%M:%S";
constexpr int kHoursPerDay = 24;
constexpr int kMinutesPerHour = 60;
constexpr int kSecondsPerMinute = 60;

struct TimeOfDay
{
    int nHour = 0;
    int nMinute = 0;
    int nSecond = 0;
};

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

int TwoDigits(std::string_view text)
{
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9')
        return -1;
    return (text[0] - '0') * 10 + (text[1] - '0');
}

/// HH:MM:SS on the 24-hour clock, each field two digits.
std::optional<TimeOfDay> ParseTimeOfDay(std::string_view text)
{
    if (text.size() != 8 || text[2] != ':' || text[5] != ':')
        return std::nullopt;
    const TimeOfDay time{TwoDigits(text.substr(0, 2)), TwoDigits(text.substr(3, 2)),
                         TwoDigits(text.substr(6, 2))};
    if (time.nHour < 0 || time.nHour >= kHoursPerDay || time.nMinute < 0 ||
        time.nMinute >= kMinutesPerHour || time.nSecond < 0 || time.nSecond >= kSecondsPerMinute)
        return std::nullopt;
    return time;
}

int UsageError(const char* strUsage)
{
    std::fprintf(stderr, "Usage: quillmark-cli %s\n", strUsage);
    return kExitUsage;
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
    const std::optional<TimeOfDay> time = ParseTimeOfDay(arguments[1]);
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
