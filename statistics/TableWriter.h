#pragma once
// Writes the statistics' tables row by row, each table after a blank line
// and headed by its column names, either as the text form prints them (TAB
// between fields, a list's items apart by spaces) or as CSV (RFC 4180:
// commas, CRLF, text quoted where it needs it, a list's items as fields).

#include "base/BufferedWriter.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace statistics {

struct TableStyle
{
    char chSeparator;
    char chListSeparator;
    std::string_view strLineEnd;
    bool bQuote;
};

inline constexpr TableStyle kTextTables{'\t', ' ', "\n", false};
inline constexpr TableStyle kCsvTables{',', ',', "\r\n", true};

class CTableWriter
{
public:
    /// bAfterText: the output holds lines already, so the first table too
    /// starts after a blank line.
    CTableWriter(base::CBufferedWriter& out, const TableStyle& style, bool bAfterText);

    void Begin(std::initializer_list<std::string_view> names);

    template <typename... Fields> void Row(const Fields&... fields)
    {
        (Field(fields), ...);
        EndRow();
    }

private:
    void Field(std::int64_t nValue);
    void Field(int nValue) { Field(std::int64_t{nValue}); }
    void Field(double value);
    void Field(std::string_view text);
    void Field(std::wstring_view text);
    void Field(const std::vector<std::int64_t>& values);
    void Separate();
    void EndRow();

    base::CBufferedWriter& m_out;
    TableStyle m_style;
    bool m_bStarted;
    bool m_bRowStarted = false;
};

} // namespace statistics
