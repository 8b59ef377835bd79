#pragma once
// Strokes as CSV (RFC 4180: a header row, CRLF line ends) or as a JSON array of
// objects, written record by record to a buffered output, so an export of a
// million strokes never holds more than one record. Each record: index, local
// time with offset, keys, raw keys, the 24 key values, the 24 key times as raw
// 100-ns counts and as ISO times (empty for 0), and, when a source is given,
// the stroke's translation.

#include "base/BufferedWriter.h"
#include "exchange/IsoTimeText.h"
#include "steno/StenoStroke.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace exchange {

enum class ExportFormat {
    Csv,
    Json,
};

/// "csv" or "json"; none for anything else.
std::optional<ExportFormat> ParseExportFormat(std::string_view text);

/// The translation of the stroke at an index, as UTF-8; asked once a stroke, in order.
using TranslationSource = std::function<std::string(std::size_t nIndex)>;

class CStrokeExport
{
public:
    /// Without a translation source the records have no translation field.
    CStrokeExport(base::CBufferedWriter& out, ExportFormat format,
                  TranslationSource translation = {});

    /// The CSV header row or the JSON array's opening.
    void Begin();
    /// One stroke's record; nIndex is its place in the document.
    void Write(std::size_t nIndex, const CStenoStroke& stroke);
    /// The JSON array's closing; nothing for CSV.
    void End();

private:
    void WriteCsvHeader();
    void WriteCsv(std::size_t nIndex, const CStenoStroke& stroke);
    void WriteJson(std::size_t nIndex, const CStenoStroke& stroke);
    /// Values, key time counts and ISO key times, each field after a comma.
    char* PutCsvLists(char* pOut, const CStenoStroke& stroke);
    /// The same as the three arrays of a JSON record, each after a comma.
    char* PutJsonLists(char* pOut, const CStenoStroke& stroke);
    std::string_view KeysText(steno::KeyBits keys);

    base::CBufferedWriter& m_out;
    ExportFormat m_format;
    TranslationSource m_translation;
    CIsoTimeText m_times;
    std::wstring m_strKeys; ///< reused for every stroke
    std::string m_strKeyBytes;
    bool m_bFirst = true;
};

} // namespace exchange
