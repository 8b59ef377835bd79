#pragma once
// Scroll positions of the stroke list. The scroll range is 0 … count with a page
// of m_nPageRows, so at the limit the last stroke stands in the second-to-last
// whole row. Each function returns the new position, or nothing to leave it.

#include <optional>

namespace strokelist {

/// The highest position the scroll bar allows.
int ScrollLimit(int nCount, int nPageRows);
int ClampScrollPos(int nPos, int nCount, int nPageRows);

enum class ScrollRequest { LineUp, LineDown, PageUp, PageDown, Thumb, Top, Bottom, EndScroll };

/// A scroll-bar message: nMax is the range maximum (the count), nStep the client
/// height in rows, nThumb the position the bar reports for thumb messages.
std::optional<int> ScrollBarTarget(ScrollRequest request, int nPos, int nMax, int nStep,
                                   int nThumb);

/// One wheel message moves nLines rows whatever its delta; below 1 line nothing.
std::optional<int> WheelTarget(int nDelta, int nLines, int nPos, int nMax);

// The paging keys move the view only.
std::optional<int> PageUpTarget(int nPos, int nStep);
std::optional<int> PageDownTarget(int nPos, int nStep, int nLimit);

// Up and Down move the current stroke (-1 for none).
std::optional<int> UpTarget(int nCurrent);
std::optional<int> DownTarget(int nCurrent, int nCount);
/// Shift+Page Up and Down move the current stroke (-1: from the first) by a
/// page of nStep rows, kept inside the document; nothing without strokes.
std::optional<int> PageMoveTarget(int nCurrent, int nStep, int nCount, bool bDown);

/// Rows painted from position nPos: the whole rows plus one partly visible.
int LastVisibleRow(int nPos, int nPageRows, int nCount);

/// The scroll position that brings stroke nIndex into view: the top for the
/// first stroke, the stroke itself for the last, otherwise the stroke centred.
int BringIntoViewPosition(int nIndex, int nCount, int nClientHeight, int nRowHeight);

} // namespace strokelist
