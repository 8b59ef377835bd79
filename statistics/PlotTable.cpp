#include "statistics/PlotTable.h"

namespace statistics {

namespace {

constexpr int kCellPadding = 3;
constexpr int kRowPadding = 2;

void AddRow(PlotPicture& picture, const platform::Rect& rcRow,
            std::span<const TableColumn> columns, const std::vector<std::wstring>& cells,
            PlotInk ink)
{
    int nLeft = rcRow.left;
    for (std::size_t i = 0; i < columns.size() && i < cells.size(); ++i) {
        const int nRight = nLeft + rcRow.Width() * columns[i].nShare / 100;
        picture.Label({nLeft + kCellPadding, rcRow.top, nRight - kCellPadding, rcRow.bottom},
                      cells[i],
                      columns[i].nAlign | platform::kDtVCenter | platform::kDtSingleLine |
                          platform::kDtEndEllipsis | platform::kDtNoPrefix,
                      ink);
        nLeft = nRight;
    }
}

} // namespace

std::size_t LayOutTable(PlotPicture& picture, const platform::Rect& rc, int nLineHeight,
                        std::span<const TableColumn> columns, const std::vector<TableRow>& rows)
{
    const int nRowHeight = nLineHeight + kRowPadding;
    std::vector<std::wstring> titles;
    for (const TableColumn& column : columns)
        titles.emplace_back(column.pszTitle);
    AddRow(picture, {rc.left, rc.top, rc.right, rc.top + nRowHeight}, columns, titles,
           PlotInk::Faint);
    picture.Line({rc.left, rc.top + nRowHeight}, {rc.right - 1, rc.top + nRowHeight},
                 PlotInk::Faint);
    std::size_t nShown = 0;
    for (int y = rc.top + nRowHeight + 1; nShown < rows.size() && y + nRowHeight <= rc.bottom;
         y += nRowHeight, ++nShown) {
        const platform::Rect rcRow{rc.left, y, rc.right, y + nRowHeight};
        if (nShown % 2 == 1)
            picture.Fill(rcRow, PlotInk::Row);
        AddRow(picture, rcRow, columns, rows[nShown].cells, PlotInk::Text);
        picture.Target(rcRow, TargetKind::Stroke, rows[nShown].nStroke);
    }
    return nShown;
}

std::wstring StrokeNumberText(int nStroke)
{
    return std::to_wstring(std::int64_t{nStroke} + 1);
}

} // namespace statistics
