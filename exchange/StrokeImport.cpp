#include "exchange/StrokeImport.h"

#include "base/FileException.h"
#include "base/LocalDayClock.h"
#include "base/LocalTime.h"
#include "base/TimeOfDayText.h"
#include "exchange/PloverSteno.h"
#include "rtfcre/LineReader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <map>

namespace exchange {

namespace {

constexpr std::size_t kDateLength = 10;                   // YYYY-MM-DD
constexpr std::size_t kStampLength = kDateLength + 9;     // YYYY-MM-DD HH:MM:SS
constexpr std::size_t kLogStampLength = kStampLength + 4; // ...,mmm
constexpr std::string_view kStrokeOpening = "Stroke(";
constexpr std::string_view kTranslationOpening = "Translation(";

/// What one line of a source holds: a stroke, a problem, or neither (ignored).
struct LineOutcome
{
    std::optional<CStenoStroke> stroke;
    std::string strProblem;
};

LineOutcome Problem(std::string strProblem)
{
    return {std::nullopt, std::move(strProblem)};
}

LineOutcome StrokeOf(std::int64_t time, steno::KeyBits keys)
{
    CStenoStroke stroke;
    stroke.m_time = time;
    stroke.m_keys = stroke.m_rawKeys = keys;
    return {stroke, {}};
}

bool IsBlank(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

int Digits(std::string_view text)
{
    int nValue = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            return -1;
        nValue = nValue * 10 + (ch - '0');
    }
    return text.empty() ? -1 : nValue;
}

/// "YYYY-MM-DD" + chBetween + "HH:MM:SS" at the start of text, as local time.
std::optional<std::int64_t> ParseStamp(std::string_view text, char chBetween,
                                       base::CLocalDayClock& clock)
{
    if (text.size() < kStampLength || text[4] != '-' || text[7] != '-' ||
        text[kDateLength] != chBetween)
        return std::nullopt;
    const std::optional<base::TimeOfDay> time =
        base::ParseTimeOfDay(text.substr(kDateLength + 1, kStampLength - kDateLength - 1));
    const int nYear = Digits(text.substr(0, 4));
    const int nMonth = Digits(text.substr(5, 2));
    const int nDay = Digits(text.substr(8, 2));
    if (!time || nYear < 0 || nMonth < 0 || nDay < 0)
        return std::nullopt;
    try {
        return clock.MakeTime(nYear, nMonth, nDay, time->nHour, time->nMinute, time->nSecond);
    } catch (const base::CStatusException&) {
        return std::nullopt;
    }
}

std::string NotSteno(std::string_view text)
{
    std::string strProblem = "'";
    strProblem.append(text).append("' is not a stroke");
    return strProblem;
}

LineOutcome ReadLogLine(std::string_view line, base::CLocalDayClock& clock)
{
    const std::optional<std::int64_t> time = ParseStamp(line, ' ', clock);
    if (!time || line.size() <= kLogStampLength || line[kLogStampLength] != ' ')
        return Problem("no time at the start of the line");
    std::string_view rest = line.substr(kLogStampLength + 1);
    if (rest.starts_with('*')) // the engine marks strokes that took something back
        rest.remove_prefix(1);
    if (rest.starts_with(kTranslationOpening))
        return {};
    const auto nSteno = rest.find(" : ");
    if (!rest.starts_with(kStrokeOpening) || nSteno == std::string_view::npos)
        return Problem("neither a stroke nor a translation");
    const std::string_view steno =
        rest.substr(kStrokeOpening.size(), nSteno - kStrokeOpening.size());
    const std::optional<steno::KeyBits> keys = ParsePloverSteno(steno);
    return keys ? StrokeOf(*time, *keys) : Problem(NotSteno(steno));
}

LineOutcome ReadPaperLine(std::string_view line, std::int64_t untimed)
{
    const std::optional<steno::KeyBits> keys = ParseTapeStroke(line);
    return keys ? StrokeOf(untimed, *keys) : Problem(NotSteno(line));
}

LineOutcome ReadCatTapeLine(std::string_view line, base::CLocalDayClock& clock)
{
    const char chSeparator = line.find('|') != std::string_view::npos ? '|' : '\t';
    const auto nFirst = line.find(chSeparator);
    if (nFirst == std::string_view::npos)
        return Problem("no fields");
    const std::optional<std::int64_t> time = ParseStamp(line.substr(0, nFirst), 'T', clock);
    if (!time)
        return Problem("no time in the first field");
    const std::string_view steno = line.substr(line.rfind(chSeparator) + 1);
    const std::optional<steno::KeyBits> keys = ParseTapeStroke(steno);
    return keys ? StrokeOf(*time, *keys) : Problem(NotSteno(steno));
}

using Date = std::array<int, 3>; ///< year, month, day

std::optional<Date> DateOf(const CStenoStroke& stroke)
{
    std::tm fields{};
    if (!base::ToLocalFields(stroke.m_time, fields))
        return std::nullopt;
    return Date{fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday};
}

} // namespace

std::optional<ImportFormat> ImportFormatOf(const std::filesystem::path& path)
{
    const std::string strExtension = path.extension().string();
    if (strExtension == ".log")
        return ImportFormat::StrokeLog;
    if (strExtension == ".txt")
        return ImportFormat::PaperTape;
    if (strExtension == ".tape")
        return ImportFormat::CatTape;
    return std::nullopt;
}

ImportedStrokes ImportStrokes(const std::filesystem::path& path, ImportFormat format,
                              std::int64_t untimed)
{
    rtfcre::CLineReader reader;
    if (!reader.Open(path))
        throw CFileException::FromErrno("cannot open", reader.OpenError());
    base::CLocalDayClock clock;
    ImportedStrokes imported;
    std::string_view line;
    while (reader.ReadLine(line)) {
        if (IsBlank(line))
            continue;
        LineOutcome outcome = format == ImportFormat::StrokeLog ? ReadLogLine(line, clock)
                              : format == ImportFormat::CatTape ? ReadCatTapeLine(line, clock)
                                                                : ReadPaperLine(line, untimed);
        if (outcome.stroke)
            imported.strokes.push_back(*outcome.stroke);
        else if (!outcome.strProblem.empty())
            imported.skipped.push_back({reader.LineNumber(), std::move(outcome.strProblem)});
    }
    if (reader.ReadError() != 0)
        throw CFileException::FromErrno("cannot read", reader.ReadError());
    return imported;
}

std::vector<StrokeDay> SplitByDay(std::vector<CStenoStroke> strokes)
{
    std::vector<StrokeDay> split;
    if (strokes.empty())
        return split;
    // Most sources hold one day: its strokes are handed on without a copy.
    const Date first = DateOf(strokes.front()).value_or(Date{});
    if (std::ranges::all_of(
            strokes, [&](const CStenoStroke& s) { return DateOf(s).value_or(first) == first; })) {
        split.push_back({first[0], first[1], first[2], std::move(strokes)});
        return split;
    }
    std::map<Date, std::vector<CStenoStroke>> days;
    for (const CStenoStroke& stroke : strokes)
        days[DateOf(stroke).value_or(first)].push_back(stroke);
    for (auto& [date, dayStrokes] : days)
        split.push_back({date[0], date[1], date[2], std::move(dayStrokes)});
    return split;
}

std::string DayFileName(const std::string& strOut, const StrokeDay& day)
{
    std::string strStem = strOut;
    constexpr std::string_view kExtension = ".rtf";
    if (strStem.size() > kExtension.size() &&
        std::equal(kExtension.begin(), kExtension.end(), strStem.end() - kExtension.size(),
                   [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); }))
        strStem.resize(strStem.size() - kExtension.size());
    std::array<char, 32> date{};
    std::snprintf(date.data(), date.size(), "-%04d-%02d-%02d.rtf", day.nYear, day.nMonth, day.nDay);
    return strStem + date.data();
}

} // namespace exchange
