#pragma once
// Hover, pressed flag and key movement of a drawn pop-up menu, apart from any
// window: the menu window feeds it mouse positions and keys and repaints or
// chooses what it answers.

#include "framework/MenuItem.h"

#include <vector>

namespace framework {

class CMenuNavigation
{
public:
    /// The hover before and after an input; the bands of both need repainting
    /// when they differ.
    struct Change
    {
        int nOld = -1;
        int nNew = -1;
        bool Changed() const { return nOld != nNew; }
    };

    struct KeyResult
    {
        bool bConsumed = false;
        int nChosen = -1; ///< index of the entry to choose, -1 for none
        Change change;
    };

    explicit CMenuNavigation(std::vector<MenuItem> items);

    const std::vector<MenuItem>& Items() const { return m_items; }
    int Hover() const { return m_nHover; }

    /// The menu is shown: the first entry is hovered.
    Change Open();
    Change MouseMove(int x, int y, int nClientWidth);
    void ButtonDown();
    /// The index of the entry to choose, or -1.
    int ButtonUp();
    KeyResult KeyDown(int nVirtualKey);

private:
    Change MoveDown();
    Change MoveUp();
    Change SetHover(int nHover);
    int HitTest(int x, int y, int nClientWidth) const;

    std::vector<MenuItem> m_items;
    int m_nHover = -1;
    bool m_bPressed = true;
};

} // namespace framework
