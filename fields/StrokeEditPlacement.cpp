#include "fields/StrokeEditPlacement.h"

namespace fields {
namespace {

platform::Rect AtTop(const platform::Rect& rcColumn)
{
    return {rcColumn.left, 0, rcColumn.right, rcColumn.Height()};
}

} // namespace

StrokeEditPlacement PlaceStrokeEditor(const strokelist::ListLayout& layout, int nCurrent, int nScrollPos)
{
    const int nRow = layout.RowHeight();
    const int top = (nCurrent - nScrollPos) * nRow;
    return {{layout.rcTime.left, top, layout.rcStroke.right, top + nRow},
            AtTop(layout.rcTime),
            AtTop(layout.rcStroke)};
}

platform::Rect StrokeEditClient(int nWidth, int nHeight)
{
    return {kStrokeEditBorder, kStrokeEditBorder, nWidth - kStrokeEditBorder,
            nHeight - kStrokeEditBorder};
}

platform::Rect ClientToEditor(const platform::Rect& rc)
{
    return {rc.left + kStrokeEditBorder, rc.top + kStrokeEditBorder, rc.right + kStrokeEditBorder,
            rc.bottom + kStrokeEditBorder};
}

} // namespace fields
