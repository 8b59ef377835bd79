#include "monitors/TimeFieldDrawing.h"

#include "rtfcre/LocalTime.h"

#include <ctime>

namespace monitors {
namespace {

constexpr int kCells = 6;
constexpr int kHalfDay = 12;

std::wstring TwoDigits(int nValue)
{
    return {static_cast<wchar_t>(L'0' + nValue / 10), static_cast<wchar_t>(L'0' + nValue % 10)};
}

// The cell each field's text goes in; the colons take cells 1 and 3.
constexpr std::array<int, 4> kFieldCells = {0, 2, 4, 5};

} // namespace

std::array<std::wstring, 4> TimeFieldTexts(std::int64_t time)
{
    std::tm fields{};
    if (!rtfcre::ToLocalFields(time, fields))
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
    const std::array<std::wstring, 4> texts = TimeFieldTexts(state.Time());
    std::vector<TimeFieldText> cells(kCells);
    int x = rcClient.left;
    for (int i = 0; i < kCells; ++i) {
        TimeFieldText& cell = cells[static_cast<std::size_t>(i)];
        cell.rc = {x, rcClient.top, x + widths[static_cast<std::size_t>(i)], rcClient.bottom};
        cell.strText = L":";
        cell.nFlags = platform::kDtVCenter;
        x = cell.rc.right;
    }
    for (std::size_t nField = 0; nField < texts.size(); ++nField)
        cells[static_cast<std::size_t>(kFieldCells[nField])].strText = texts[nField];
    cells.back().nFlags = platform::kDtCenter | platform::kDtVCenter;
    if (!bFocus)
        return cells;
    TimeFieldText& active =
        cells[static_cast<std::size_t>(kFieldCells[static_cast<std::size_t>(state.Field())])];
    active.bHighlight = true;
    if (state.Field() != kAmPmField && !active.strText.empty())
        active.strText.insert(static_cast<std::size_t>(state.Digit()), 1, L'&');
    return cells;
}

} // namespace monitors
