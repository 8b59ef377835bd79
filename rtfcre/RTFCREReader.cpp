#include "rtfcre/RTFCREReader.h"

#include "base/AnsiText.h"
#include "base/ByteSearch.h"
#include "base/NumberList.h"
#include "base/TextNumbers.h"
#include "rtfcre/LineReader.h"

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

// Texts longer than this are searched a chunk at a time, each chunk let go of
// once searched, so that a malformed file of one huge line is not held in memory.
constexpr std::size_t kLongText = 8 * 1024 * 1024;
constexpr std::size_t kSearchChunk = 1024 * 1024;

std::unique_ptr<CLineReader> OpenLineReader(const std::filesystem::path& path)
{
    auto pFile = std::make_unique<CLineReader>();
    pFile->Open(path);
    return pFile;
}

std::size_t Length(char)
{
    return 1;
}

std::size_t Length(std::string_view text)
{
    return text.size();
}

} // namespace

CRTFCREReader::CRTFCREReader(const std::filesystem::path& path)
    : m_pOwnFile(OpenLineReader(path)), m_file(*m_pOwnFile)
{
}

CRTFCREReader::CRTFCREReader(ILineSource& source) : m_file(source) {}

CRTFCREReader::~CRTFCREReader() = default;

template <typename Needle> std::size_t CRTFCREReader::Find(std::string_view text, Needle needle)
{
    // In a writer's file every opening begins the line it is looked for in.
    if (text.starts_with(needle))
        return 0;
    if (text.size() <= kLongText)
        return text.find(needle);
    for (std::size_t nAt = 0; nAt < text.size(); nAt += kSearchChunk) {
        // Chunks overlap by the needle's length less one: no occurrence is cut.
        const auto nFound = text.substr(nAt, kSearchChunk + Length(needle) - 1).find(needle);
        if (nFound != std::string_view::npos)
            return nAt + nFound;
        m_file.Forget(text.substr(nAt, kSearchChunk));
    }
    return std::string_view::npos;
}

bool CRTFCREReader::Holds(std::string_view text, std::string_view opening)
{
    return Find(text, opening) != std::string_view::npos;
}

/// The text before the first ch; all of it when ch does not occur.
std::string_view CRTFCREReader::UpTo(std::string_view text, char ch)
{
    return text.substr(0, Find(text, ch));
}

/// The text after the first occurrence of marker; all of it when it does not occur.
template <typename Needle>
std::string_view CRTFCREReader::After(std::string_view text, Needle marker)
{
    const auto at = Find(text, marker);
    return at == std::string_view::npos ? text : text.substr(at + Length(marker));
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
    const auto nBrace = Find(m_text, '}');
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
    m_text = After(m_text, std::string_view("mo"));
    m_nMonth = ParseCNumber(UpTo(m_text, '\\'));
    m_text = After(m_text, std::string_view("da"));
    m_nDay = ParseCNumber(UpTo(m_text, '}'));
    m_bDateFound = true;
}

bool CRTFCREReader::LookFor(std::string_view opening)
{
    auto at = Find(m_text, opening);
    if (at == std::string_view::npos) {
        ReadLine();
        at = Find(m_text, opening);
        if (at == std::string_view::npos)
            return false;
    }
    m_text = m_text.substr(at + opening.size());
    return true;
}

bool CRTFCREReader::ScanStroke(StrokeTexts& texts)
{
    std::size_t nAt = Find(m_text, kStrokeOpening);
    for (; nAt == std::string_view::npos; nAt = Find(m_text, kStrokeOpening)) {
        if (!m_file.Good())
            return false;
        ReadLine();
    }
    m_nStrokeLine = m_file.LineNumber();
    m_text = m_text.substr(nAt + kStrokeOpening.size());
    texts.steno = GroupText(kSteno);
    texts.raw = LookFor(kRawStrokeOpening) ? GroupText(kRaw) : texts.steno;
    if (!LookFor(kTimeOpening))
        throw CRTFCREReaderException{};
    texts.time = ReadTimeGroup();
    texts.values = LookFor(kValuesOpening) ? GroupText(kValues) : std::string_view{};
    texts.pairs = LookFor(kTimesOpening) ? GroupText(kPairs) : std::string_view{};
    return true;
}

/// The current text up to the group's closing brace. When no brace opens a
/// group before it, nothing in that text can begin an opening: the current
/// text then starts at the closing brace, and is not searched through twice.
std::string_view CRTFCREReader::CutGroupText()
{
    if (m_text.size() > kLongText)
        return UpTo(m_text, '}'); // searched a chunk at a time
    const char* pBegin = m_text.data();
    const char* pBrace = FindEitherByte(pBegin, pBegin + m_text.size(), '}', '{');
    if (pBrace != nullptr && *pBrace == '{')
        return UpTo(m_text, '}');
    const std::string_view text = m_text.substr(
        0, pBrace != nullptr ? static_cast<std::size_t>(pBrace - pBegin) : m_text.size());
    m_text.remove_prefix(text.size());
    return text;
}

/// The current group's text, up to its closing brace, readable until the next stroke.
std::string_view CRTFCREReader::GroupText(EGroup group)
{
    const std::string_view text = CutGroupText();
    if (m_file.KeepsLines())
        return text;
    // The copy keeps margins, as a kept line has the file's bytes around it.
    std::string& strCopy = m_groupCopies[group];
    strCopy.assign(kNumberListMargin, '\0');
    strCopy.append(text);
    strCopy.append(kNumberListMargin, '\0');
    return std::string_view(strCopy).substr(kNumberListMargin, text.size());
}

bool CRTFCREReader::ReadStroke(std::wstring& strSteno, std::wstring& strRawSteno,
                               std::int64_t& time, KeyValues& keyValues, KeyTimes& keyTimes)
{
    keyValues.fill(0);
    keyTimes.fill(KeyTime{});
    StrokeTexts texts;
    if (!ScanStroke(texts))
        return false;
    AnsiToWide(texts.steno, strSteno);
    AnsiToWide(texts.raw, strRawSteno);
    time = texts.time;
    ParseKeyValues(texts.values, keyValues);
    ParseKeyTimes(texts.pairs, keyTimes);
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
