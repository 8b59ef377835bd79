#include "fields/TimeFieldDrawing.h"

#include "base/LocalTime.h"

#include <ctime>

namespace fields {
namespace {

constexpr int kCells = 6;

std::wstring TwoDigits(int nValue)
{
    return {static_cast<wchar_t>(L'0' + nValue / 10), static_cast<wchar_t>(L'0' + nValue % 10)};
}

// The cell each field's text goes in; the colons take cells 1 and 3.
constexpr std::array<std::size_t, 4> kFieldCells = {0, 2, 4, 5};

// White on black; a digit field also underlines the digit the next key replaces.
void Highlight(TimeFieldText& cell, const CTimeFieldState& state)
{
    cell.bHighlight = true;
    if (state.Field() != kAmPmField && !cell.strText.empty())
        cell.strText.insert(static_cast<std::size_t>(state.Digit()), 1, L'&');
}

} // namespace

std::array<std::wstring, 4> TimeFieldTexts(std::int64_t time)
{
    std::tm fields{};
    if (!base::ToLocalFields(time, fields))
        return {};
    return {TwoDigits(fields.tm_hour % kHalfDay), TwoDigits(fields.tm_min),
            TwoDigits(fields.tm_sec), fields.tm_hour >= kHalfDay ? L"PM" : L"AM"};
}

int TimeFieldWidth(const platform::TextMeasurer& measurer)
{
    return 3 * measurer.TextWidth(L"00") + 2 * measurer.TextWidth(L":") +
           measurer.TextWidth(L" AM");
}

std::vector<TimeFieldText> TimeFieldLayout(const CTimeFieldState& state, bool bFocus,
                                           const platform::TextMeasurer& measurer,
                                           const platform::Rect& rcClient)
{
    const int nDigits = measurer.TextWidth(L"00");
    const int nColon = measurer.TextWidth(L":");
    const std::array<int, kCells> widths = {nDigits, nColon,  nDigits,
                                            nColon,  nDigits, measurer.TextWidth(L" AM")};
    std::vector<TimeFieldText> cells;
    int x = rcClient.left;
    for (const int nWidth : widths) {
        cells.push_back(
            {{x, rcClient.top, x + nWidth, rcClient.bottom}, L":", platform::kDtVCenter});
        x += nWidth;
    }
    cells.back().nFlags = platform::kDtCenter | platform::kDtVCenter;
    const std::array<std::wstring, 4> texts = TimeFieldTexts(state.Time());
    for (std::size_t i = 0; i < texts.size(); ++i)
        cells[kFieldCells[i]].strText = texts[i];
    if (bFocus)
        Highlight(cells[kFieldCells[static_cast<std::size_t>(state.Field())]], state);
    return cells;
}

} // namespace fields
