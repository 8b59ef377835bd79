#include "rtfcre/RTFCREReader.h"

#include "base/AnsiText.h"
#include "base/TextNumbers.h"

using namespace rtfcre;
using namespace base;

namespace {

constexpr std::string_view kSystemOpening = "{\\*\\cxsystem {\\i ";
constexpr std::string_view kCreationOpening = "{\\creatim\\yr";
constexpr std::string_view kStrokeOpening = "{\\*\\cxs ";
constexpr std::string_view kRawStrokeOpening = "{\\*\\cxsf ";
constexpr std::string_view kTimeOpening = "{\\*\\cxt ";
constexpr std::string_view kValuesOpening = "{\\*\\cxsp ";
constexpr std::string_view kTimesOpening = "{\\*\\cxspt ";

bool Holds(std::string_view text, std::string_view opening)
{
    return text.find(opening) != std::string_view::npos;
}

/// The text before the first ch; all of it when ch does not occur.
std::string_view UpTo(std::string_view text, char ch)
{
    return text.substr(0, text.find(ch));
}

/// The text after the first occurrence of marker; all of it when it does not occur.
std::string_view After(std::string_view text, std::string_view marker)
{
    const auto at = text.find(marker);
    return at == std::string_view::npos ? text : text.substr(at + marker.size());
}

std::string_view After(std::string_view text, char ch)
{
    return After(text, std::string_view(&ch, 1));
}

/// Skips a run of separator characters.
const char* Skip(const char* p, const char* end, char separator)
{
    while (p != end && *p == separator)
        ++p;
    return p;
}

/// Moves to the next stop or separator character.
const char* SkipTo(const char* p, const char* end, char stop, char separator)
{
    while (p != end && *p != stop && *p != separator)
        ++p;
    return p;
}

/// Up to 24 values of blank-separated tokens, one pass over the text.
void ParseValues(std::string_view text, KeyValues& keyValues)
{
    const char* p = text.data();
    const char* end = p + text.size();
    for (std::uint16_t& nValue : keyValues) {
        p = Skip(p, end, ' ');
        if (p == end)
            return;
        nValue = static_cast<std::uint16_t>(ParseStrToInt(p, end));
        p = SkipTo(p, end, ' ', ' ');
    }
}

/// The parts of one pair token, split at runs of commas; the token ends at a
/// blank. Parts after the second are skipped.
const char* ParsePair(const char* p, const char* end, KeyTime& keyTime)
{
    for (int nPart = 0;; ++nPart) {
        p = Skip(p, end, ',');
        if (p == end || *p == ' ')
            return p;
        if (nPart < 2)
            (nPart == 0 ? keyTime.nLow : keyTime.nHigh) = ParseStrToInt(p, end);
        p = SkipTo(p, end, ' ', ',');
    }
}

/// Up to 24 pairs of blank-separated tokens, one pass over the text.
void ParsePairs(std::string_view text, KeyTimes& keyTimes)
{
    const char* p = text.data();
    const char* end = p + text.size();
    for (KeyTime& keyTime : keyTimes) {
        p = Skip(p, end, ' ');
        if (p == end)
            return;
        p = ParsePair(p, end, keyTime);
    }
}

} // namespace

CRTFCREReader::CRTFCREReader(const std::filesystem::path& path)
{
    m_file.Open(path);
}

void CRTFCREReader::ReadLine()
{
    std::string_view line;
    if (m_file.ReadLine(line))
        m_text = line;
}

bool CRTFCREReader::ReadHeader(std::wstring& strSystemName, std::wstring& strSystemText)
{
    m_file.Rewind();
    m_text = {};
    m_bSystemFound = m_bDateFound = false;
    for (;;) {
        ReadLine();
        if (Holds(m_text, kSystemOpening))
            ReadSystemLine(strSystemName, strSystemText);
        else if (Holds(m_text, kCreationOpening))
            ReadCreationLine();
        const bool bComplete = m_bSystemFound && m_bDateFound;
        if (bComplete || !m_file.Good()) {
            // Strokes are searched from the next line on, never on a header line.
            m_text = {};
            return bComplete;
        }
    }
}

void CRTFCREReader::ReadSystemLine(std::wstring& strSystemName, std::wstring& strSystemText)
{
    m_text = After(m_text, kSystemOpening);
    AnsiToWide(UpTo(m_text, '}'), strSystemName);
    // Skips the brace and the blank after it; the last character closes the group.
    const auto nBrace = m_text.find('}');
    const std::string_view rest = nBrace == std::string_view::npos || nBrace + 2 > m_text.size()
                                      ? std::string_view{}
                                      : m_text.substr(nBrace + 2);
    AnsiToWide(rest.substr(0, rest.empty() ? 0 : rest.size() - 1), strSystemText);
    m_bSystemFound = true;
}

void CRTFCREReader::ReadCreationLine()
{
    m_text = After(m_text, kCreationOpening);
    m_nYear = ParseCNumber(UpTo(m_text, '\\'));
    m_text = After(m_text, "mo");
    m_nMonth = ParseCNumber(UpTo(m_text, '\\'));
    m_text = After(m_text, "da");
    m_nDay = ParseCNumber(UpTo(m_text, '}'));
    m_bDateFound = true;
}

bool CRTFCREReader::LookFor(std::string_view opening)
{
    auto at = m_text.find(opening);
    if (at == std::string_view::npos) {
        ReadLine();
        at = m_text.find(opening);
        if (at == std::string_view::npos)
            return false;
    }
    m_text = m_text.substr(at + opening.size());
    return true;
}

bool CRTFCREReader::ReadStroke(std::wstring& strSteno, std::wstring& strRawSteno,
                               std::int64_t& time, KeyValues& keyValues, KeyTimes& keyTimes)
{
    keyValues.fill(0);
    keyTimes.fill(KeyTime{});
    while (!Holds(m_text, kStrokeOpening)) {
        if (!m_file.Good())
            return false;
        ReadLine();
    }
    m_nStrokeLine = m_file.LineNumber();
    m_text = After(m_text, kStrokeOpening);
    AnsiToWide(UpTo(m_text, '}'), strSteno);
    if (LookFor(kRawStrokeOpening))
        AnsiToWide(UpTo(m_text, '}'), strRawSteno);
    else
        strRawSteno = strSteno;
    if (!LookFor(kTimeOpening))
        throw CRTFCREReaderException{};
    time = ReadTimeGroup();
    if (LookFor(kValuesOpening))
        ReadKeyValues(keyValues);
    if (LookFor(kTimesOpening))
        ReadKeyTimes(keyTimes);
    return true;
}

std::int64_t CRTFCREReader::ReadTimeGroup()
{
    // The fourth field, hundredths, is not read.
    const int nHour = ParseCNumber(UpTo(m_text, ':'));
    m_text = After(m_text, ':');
    const int nMinute = ParseCNumber(UpTo(m_text, ':'));
    m_text = After(m_text, ':');
    const int nSecond = ParseCNumber(UpTo(m_text, ':'));
    return m_clock.MakeTime(m_nYear, m_nMonth, m_nDay, nHour, nMinute, nSecond);
}

void CRTFCREReader::ReadKeyValues(KeyValues& keyValues) const
{
    ParseValues(UpTo(m_text, '}'), keyValues);
}

void CRTFCREReader::ReadKeyTimes(KeyTimes& keyTimes) const
{
    ParsePairs(UpTo(m_text, '}'), keyTimes);
}
