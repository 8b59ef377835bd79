#pragma once
// How each key cell of a list row is inked. Both key columns show the raw
// keys, not the stroke's edited keys: the stroke column hides marked keys, the
// raw column greys them.

#include "steno/StenoStroke.h"

namespace strokelist {

enum class CellInk { Text, Background, Grey };

/// Ink of raw key j in the stroke column, and in the raw column. Cell 24 is
/// the template's blank and never shows.
CellInk RawKeyInkInStrokeColumn(const CStenoStroke& stroke, int j);
CellInk RawKeyInkInRawColumn(const CStenoStroke& stroke, int j);

} // namespace strokelist
