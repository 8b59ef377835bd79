#pragma once
// Where the stroke editor goes when an edit begins: a bordered strip over the
// time and stroke columns of the current row, the raw column left in view, with
// the time field and the keys field over their columns.

#include "platform/core/Geometry.h"
#include "strokelist/ListLayout.h"

namespace fields {

/// The editor's border, one pixel on every side of its client area.
inline constexpr int kStrokeEditBorder = 1;

struct StrokeEditPlacement
{
    /// The editor with its border, in the list's client coordinates.
    platform::Rect rcEditor;
    /// The time and keys fields in the editor's client coordinates: the list's
    /// time and stroke columns at the top of the client area, as high as a row,
    /// so the border cuts them off at the bottom.
    platform::Rect rcTime;
    platform::Rect rcKeys;
};

/// The editor over the row of stroke nCurrent with the list scrolled to nScrollPos.
StrokeEditPlacement PlaceStrokeEditor(const strokelist::ListLayout& layout, int nCurrent, int nScrollPos);

/// The client area of an editor nWidth × nHeight with its border, in the
/// editor's own coordinates (the border's top-left corner is 0, 0).
platform::Rect StrokeEditClient(int nWidth, int nHeight);

/// A rectangle of the client area in the editor's own coordinates.
platform::Rect ClientToEditor(const platform::Rect& rc);

} // namespace fields
