#include "strokelist/RowCells.h"

namespace strokelist {
namespace {

bool RawKeyDown(const CStenoStroke& stroke, int j)
{
    return j >= 0 && j < steno::kKeyCount && (stroke.m_rawKeys & steno::KeyBit(j)) != 0;
}

bool Marked(const CStenoStroke& stroke, int j)
{
    return steno::IsMarked(stroke.m_keyValues[static_cast<std::size_t>(j)]);
}

} // namespace

CellInk RawKeyInkInStrokeColumn(const CStenoStroke& stroke, int j)
{
    return RawKeyDown(stroke, j) && !Marked(stroke, j) ? CellInk::Text : CellInk::Background;
}

CellInk RawKeyInkInRawColumn(const CStenoStroke& stroke, int j)
{
    if (!RawKeyDown(stroke, j))
        return CellInk::Background;
    return Marked(stroke, j) ? CellInk::Grey : CellInk::Text;
}

} // namespace strokelist
