#pragma once
// How each key cell of a list row is inked. Both key columns come from the raw
// keys: the stroke column hides marked keys, the raw column greys them.

#include "steno/StenoStroke.h"

namespace strokelist {

enum class CellInk { Text, Background, Grey };

/// Ink of template cell j (0 … 24) in the stroke column, and in the raw column.
/// Cell 24 is the template's blank and never shows.
CellInk StrokeCellInk(const CStenoStroke& stroke, int j);
CellInk RawCellInk(const CStenoStroke& stroke, int j);

} // namespace strokelist
