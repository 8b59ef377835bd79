#pragma once
// A small table of the statistics window: a header row, then as many rows as
// fit, every other one on a band, each row a target for its stroke.

#include "statistics/PlotPicture.h"

#include <span>
#include <string>
#include <vector>

namespace statistics {

struct TableColumn
{
    const wchar_t* pszTitle;
    int nShare; ///< per cent of the table's width
    platform::TextFlags nAlign;
};

struct TableRow
{
    std::vector<std::wstring> cells;
    int nStroke = 0; ///< document index of the stroke a click makes current
};

/// Returns how many rows fit.
std::size_t LayOutTable(PlotPicture& picture, const platform::Rect& rc, int nLineHeight,
                        std::span<const TableColumn> columns, const std::vector<TableRow>& rows);

/// A stroke's index as the window shows it: counted from 1, as the status line does.
std::wstring StrokeNumberText(int nStroke);

} // namespace statistics
