#include "cli/DocumentCommands.h"

#include "cli/CliCommand.h"
#include "base/AnsiText.h"
#include "base/BufferedWriter.h"
#include "base/FilePath.h"
#include "base/LocalTime.h"
#include "document/DocumentFlows.h"
#include "document/StrokeDocument.h"
#include "steno/StenoEncoder.h"

#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

using doc::CStrokeDocument;

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

// Messages carry file names: written in the file names' own encoding.
void Print(std::FILE* pOut, const std::wstring& strText)
{
    std::fprintf(pOut, "%s\n", base::PathFromWide(strText).c_str());
    std::fflush(pOut);
}

int ReportFailure(const std::wstring& strFailure, const doc::FileOutcome& outcome)
{
    std::fprintf(stderr, "%s: %s\n", base::PathFromWide(strFailure).c_str(),
                 outcome.strReason.c_str());
    return kExitFailure;
}

// Loads as the editor's Open does; false after the failure has been reported.
bool Load(CStrokeDocument& document, const std::string& strPath)
{
    const std::wstring strWide = base::WideFromPath(strPath);
    const doc::FileOutcome outcome = document.Load(strWide);
    if (!outcome.bDone)
        ReportFailure(doc::LoadFailureText(strWide), outcome);
    return outcome.bDone;
}

int Save(CStrokeDocument& document, const std::wstring& strPath)
{
    const doc::FileOutcome outcome = document.Save(strPath);
    return outcome.bDone ? kExitSuccess : ReportFailure(doc::SaveFailureText(strPath), outcome);
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
    const std::optional<TimeOfDay> time = ParseTimeOfDay(arguments[1]);
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
