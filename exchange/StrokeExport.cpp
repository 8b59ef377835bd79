#include "exchange/StrokeExport.h"

#include "base/AnsiText.h"
#include "exchange/ExportText.h"
#include "steno/KeyTimes.h"
#include "steno/StenoEncoder.h"

namespace exchange {

namespace {

using base::CBufferedWriter;

// Room for the three lists of 24: a value, a 100-ns count and an ISO time with
// their separators and quotes.
constexpr std::size_t kListsRoom =
    steno::kKeyCount * (8 + CBufferedWriter::kNumberRoom + CIsoTimeText::kRoom + 4) + 64;
constexpr std::size_t kLeadRoom = CBufferedWriter::kNumberRoom + CIsoTimeText::kRoom + 32;

/// Each item put by put, the first after chBefore (none when 0), the others after a comma.
template <typename Range, typename Put>
char* PutEach(char* pOut, char chBefore, const Range& items, Put put)
{
    char chSeparator = chBefore;
    for (const auto& item : items) {
        if (chSeparator != 0)
            *pOut++ = chSeparator;
        chSeparator = ',';
        pOut = put(pOut, item);
    }
    return pOut;
}

char* PutValue(char* pOut, std::uint16_t nValue)
{
    return CBufferedWriter::PutNumber(pOut, nValue);
}

char* PutCount(char* pOut, const KeyTime& keyTime)
{
    return CBufferedWriter::PutNumber(pOut, steno::FileTimeOf(keyTime));
}

void WriteColumnNames(CBufferedWriter& out, std::string_view strName)
{
    for (int i = 0; i < steno::kKeyCount; ++i)
        out << ',' << strName << static_cast<std::int64_t>(i);
}

} // namespace

std::optional<ExportFormat> ParseExportFormat(std::string_view text)
{
    if (text == "csv")
        return ExportFormat::Csv;
    if (text == "json")
        return ExportFormat::Json;
    return std::nullopt;
}

CStrokeExport::CStrokeExport(CBufferedWriter& out, ExportFormat format,
                             TranslationSource translation)
    : m_out(out), m_format(format), m_translation(std::move(translation))
{
}

void CStrokeExport::Begin()
{
    if (m_format == ExportFormat::Csv)
        WriteCsvHeader();
    else
        m_out << '[';
}

void CStrokeExport::Write(std::size_t nIndex, const CStenoStroke& stroke)
{
    if (m_format == ExportFormat::Csv)
        WriteCsv(nIndex, stroke);
    else
        WriteJson(nIndex, stroke);
    m_bFirst = false;
}

void CStrokeExport::End()
{
    if (m_format == ExportFormat::Json)
        m_out << (m_bFirst ? "]\n" : "\n]\n");
}

void CStrokeExport::WriteCsvHeader()
{
    m_out << "index,time,keys,raw_keys";
    WriteColumnNames(m_out, "value_");
    WriteColumnNames(m_out, "key_time_");
    WriteColumnNames(m_out, "key_time_iso_");
    if (m_translation)
        m_out << ",translation";
    m_out << "\r\n";
}

void CStrokeExport::WriteCsv(std::size_t nIndex, const CStenoStroke& stroke)
{
    char* pOut = CBufferedWriter::PutNumber(m_out.Room(kLeadRoom), nIndex);
    *pOut++ = ',';
    pOut = m_times.PutLocalTime(pOut, stroke.m_time);
    *pOut++ = ',';
    m_out.End(pOut);
    WriteCsvField(m_out, KeysText(stroke.m_keys));
    m_out << ',';
    WriteCsvField(m_out, KeysText(stroke.m_rawKeys));
    m_out.End(PutCsvLists(m_out.Room(kListsRoom), stroke));
    if (m_translation) {
        m_out << ',';
        WriteCsvField(m_out, m_translation(nIndex));
    }
    m_out << "\r\n";
}

void CStrokeExport::WriteJson(std::size_t nIndex, const CStenoStroke& stroke)
{
    m_out << (m_bFirst ? "\n{\"index\":" : ",\n{\"index\":") << static_cast<std::int64_t>(nIndex);
    char* pOut = CBufferedWriter::PutBytes(m_out.Room(kLeadRoom), ",\"time\":\"");
    pOut = m_times.PutLocalTime(pOut, stroke.m_time);
    m_out.End(CBufferedWriter::PutBytes(pOut, "\",\"keys\":"));
    WriteJsonString(m_out, KeysText(stroke.m_keys));
    m_out << ",\"raw_keys\":";
    WriteJsonString(m_out, KeysText(stroke.m_rawKeys));
    m_out.End(PutJsonLists(m_out.Room(kListsRoom), stroke));
    if (m_translation) {
        m_out << ",\"translation\":";
        WriteJsonString(m_out, m_translation(nIndex));
    }
    m_out << '}';
}

char* CStrokeExport::PutCsvLists(char* pOut, const CStenoStroke& stroke)
{
    pOut = PutEach(pOut, ',', stroke.m_keyValues, PutValue);
    pOut = PutEach(pOut, ',', stroke.m_keyTimes, PutCount);
    return PutEach(pOut, ',', stroke.m_keyTimes, [this](char* p, const KeyTime& keyTime) {
        return m_times.PutKeyTime(p, steno::FileTimeOf(keyTime));
    });
}

char* CStrokeExport::PutJsonLists(char* pOut, const CStenoStroke& stroke)
{
    pOut = CBufferedWriter::PutBytes(pOut, ",\"values\":[");
    pOut = PutEach(pOut, 0, stroke.m_keyValues, PutValue);
    pOut = CBufferedWriter::PutBytes(pOut, "],\"key_times\":[");
    pOut = PutEach(pOut, 0, stroke.m_keyTimes, PutCount);
    pOut = CBufferedWriter::PutBytes(pOut, "],\"key_times_iso\":[");
    pOut = PutEach(pOut, 0, stroke.m_keyTimes, [this](char* p, const KeyTime& keyTime) {
        *p++ = '"';
        p = m_times.PutKeyTime(p, steno::FileTimeOf(keyTime));
        *p++ = '"';
        return p;
    });
    *pOut++ = ']';
    return pOut;
}

std::string_view CStrokeExport::KeysText(steno::KeyBits keys)
{
    m_strKeys.clear();
    AppendStenoKeysText(keys, false, false, m_strKeys);
    base::WideToAnsi(m_strKeys, m_strKeyBytes);
    return m_strKeyBytes;
}

} // namespace exchange
