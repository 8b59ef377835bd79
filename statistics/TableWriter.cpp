#include "statistics/TableWriter.h"

#include "statistics/StatisticsText.h"

namespace statistics {

namespace {

bool NeedsQuotes(std::wstring_view text)
{
    return text.find_first_of(L",\"\r\n") != std::wstring_view::npos;
}

} // namespace

CTableWriter::CTableWriter(base::CBufferedWriter& out, const TableStyle& style, bool bAfterText)
    : m_out(out), m_style(style), m_bStarted(bAfterText)
{
}

void CTableWriter::Begin(std::initializer_list<std::string_view> names)
{
    if (m_bStarted)
        m_out << m_style.strLineEnd;
    m_bStarted = true;
    for (std::string_view name : names)
        Field(name);
    EndRow();
}

void CTableWriter::Separate()
{
    if (m_bRowStarted)
        m_out << m_style.chSeparator;
    m_bRowStarted = true;
}

void CTableWriter::EndRow()
{
    m_out << m_style.strLineEnd;
    m_bRowStarted = false;
}

void CTableWriter::Field(std::int64_t nValue)
{
    Separate();
    m_out << nValue;
}

void CTableWriter::Field(double value)
{
    Separate();
    m_out << std::string_view(NumberText(value));
}

void CTableWriter::Field(std::string_view text)
{
    Separate();
    m_out << text;
}

void CTableWriter::Field(std::wstring_view text)
{
    Separate();
    if (!m_style.bQuote || !NeedsQuotes(text)) {
        m_out << text;
        return;
    }
    m_out << '"';
    for (std::size_t nAt = 0;;) {
        const std::size_t nQuote = text.find(L'"', nAt);
        m_out << text.substr(nAt, nQuote - nAt);
        if (nQuote == std::wstring_view::npos)
            break;
        m_out << std::string_view("\"\"");
        nAt = nQuote + 1;
    }
    m_out << '"';
}

void CTableWriter::Field(const std::vector<std::int64_t>& values)
{
    Separate();
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            m_out << m_style.chListSeparator;
        m_out << values[i];
    }
}

} // namespace statistics
