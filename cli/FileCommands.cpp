#include "cli/FileCommands.h"

#include "base/BufferedWriter.h"
#include "base/LocalTime.h"
#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "exchange/DumpLine.h"
#include "steno/StenoEncoder.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

constexpr const char* kTimeFormat = "%Y-%m-%d %H:%M:%S";

std::string DateText(const StrokeFileHeader& header)
{
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", header.nYear, header.nMonth,
                  header.nDay);
    return text.data();
}

void PrintTime(base::CBufferedWriter& out, std::string_view strName,
               const std::vector<CStenoStroke>& strokes, bool bLast)
{
    out << strName << ": ";
    if (strokes.empty())
        out << "none";
    else
        out << std::wstring_view(base::FormatLocalTime(
            bLast ? strokes.back().m_time : strokes.front().m_time, kTimeFormat));
    out << '\n';
}

} // namespace

int FinishOutput(base::CBufferedWriter& out, int nExitCode)
{
    if (out.Flush())
        return nExitCode;
    std::fprintf(stderr, "quillmark-cli: cannot write the output: %s\n",
                 std::strerror(out.Error()));
    return kExitFailure;
}

int RunDump(const std::vector<std::string>& arguments)
{
    StrokeFileHeader header;
    std::vector<CStenoStroke> strokes;
    const bool bLoaded = LoadStrokes(arguments[0], header, strokes);
    base::CBufferedWriter out(STDOUT_FILENO);
    const CStenoEncoder encoder;
    std::string strLine;
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        strLine.clear();
        exchange::AppendDumpLine(strLine, encoder, i, strokes[i]);
        out << strLine;
    }
    return FinishOutput(out, bLoaded ? kExitSuccess : kExitFailure);
}

int RunInfo(const std::vector<std::string>& arguments)
{
    StrokeFileHeader header;
    std::vector<CStenoStroke> strokes;
    if (!LoadStrokes(arguments[0], header, strokes))
        return kExitFailure;
    base::CBufferedWriter out(STDOUT_FILENO);
    out << "system: " << std::wstring_view(header.strSystemName) << '\n';
    out << "created: " << DateText(header) << '\n';
    out << "strokes: " << static_cast<std::int64_t>(strokes.size()) << '\n';
    PrintTime(out, "first", strokes, false);
    PrintTime(out, "last", strokes, true);
    return FinishOutput(out, kExitSuccess);
}
