#pragma once
// The main window's side of the document: told of every setting of the current
// stroke (WM_STROKELIST_CURRENT). The call is direct, so the main window has
// reacted before the document goes on with a message box or a start index.

namespace strokelist {

class IStrokeListObserver
{
public:
    virtual ~IStrokeListObserver() = default;

    /// nCurrent is -1 when no stroke is current.
    virtual void OnCurrentStroke(int nCurrent, int nCount) = 0;
};

} // namespace strokelist
