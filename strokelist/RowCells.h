#pragma once
// How each key cell of a list row is inked. Both key columns come from the raw
// keys: the stroke column hides marked keys, the raw column greys them.

#include "steno/StenoStroke.h"

namespace strokelist {

enum class CellInk { Text, Background, Grey };

/// A key value marks its key when it is non-zero and even.
constexpr bool IsMarked(std::uint16_t nValue)
{
    return nValue != 0 && (nValue & 1) == 0;
}

/// Ink of template cell j (0 … 24) in the stroke column, and in the raw column.
/// Cell 24 is the template's blank and never shows.
CellInk StrokeCellInk(const CStenoStroke& stroke, int j);
CellInk RawCellInk(const CStenoStroke& stroke, int j);

} // namespace strokelist
