#include "statistics/MisstrokeTable.h"

#include "platform/core/TextMeasurer.h"
#include "statistics/PlotTable.h"

namespace statistics {

namespace {

constexpr TableColumn kStrokeColumns[] = {
    {L"Misstroke", 50, platform::kDtLeft},
    {L"Count", 20, platform::kDtRight},
    {L"First", 30, platform::kDtRight},
};

constexpr TableColumn kTranslatedColumns[] = {
    {L"Misstroke", 35, platform::kDtLeft},
    {L"Text", 25, platform::kDtLeft},
    {L"Count", 15, platform::kDtRight},
    {L"First", 25, platform::kDtRight},
};

} // namespace

void LayOutMisstrokes(PlotPicture& picture, const MisstrokeStatistics& misstrokes,
                      const platform::Rect& rc, const platform::TextMeasurer& measurer)
{
    std::vector<TableRow> rows;
    for (const Misstroke& misstroke : misstrokes.top) {
        TableRow row{{misstroke.strOutline}, misstroke.nFirstStroke};
        if (misstrokes.bTranslated)
            row.cells.push_back(misstroke.strText);
        row.cells.push_back(std::to_wstring(misstroke.nCount));
        row.cells.push_back(StrokeNumberText(misstroke.nFirstStroke));
        rows.push_back(std::move(row));
    }
    const int nLineHeight = measurer.TextExtent(L"0").cy;
    if (misstrokes.bTranslated)
        LayOutTable(picture, rc, nLineHeight, kTranslatedColumns, rows);
    else
        LayOutTable(picture, rc, nLineHeight, kStrokeColumns, rows);
}

} // namespace statistics
