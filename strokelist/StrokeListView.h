#pragma once
// What the document asks of the list window that shows it: where to scroll, what
// to repaint, and the in-place stroke editor. The widget implements it; tests use
// a recording fake.

namespace strokelist {

class IStrokeListView
{
public:
    virtual ~IStrokeListView() = default;

    /// Height of one row in pixels (0 before the first layout).
    virtual int RowHeight() const = 0;
    /// Height of the list's client area in pixels.
    virtual int ClientHeight() const = 0;
    /// Moves the scroll position; the view limits it to its scroll range.
    virtual void SetScrollPos(int nPos) = 0;
    /// Sets the scroll range maximum (the stroke count) without a new layout.
    virtual void SetScrollRangeMax(int nMax) = 0;
    /// Repaints the list area (the client area without the scroll bar).
    virtual void RepaintListArea() = 0;
    /// Forgets the layout so the next paint lays out again, and repaints the list.
    virtual void ResetLayout() = 0;
    /// Hides the stroke editor; an edit in progress is dropped.
    virtual void HideEditor() = 0;
    /// Opens the stroke editor over the row of stroke nIndex.
    virtual void OpenEditor(int nIndex) = 0;
    /// Gives the keyboard focus back to the list.
    virtual void FocusList() = 0;
};

} // namespace strokelist
