#pragma once
// The skinned buttons of the main window's title band: minimise, maximise,
// close, File, Edit, Options and Help, each sending its command to the window.
// They never take the keyboard, which stays with the list and the menus.

#include "framework/xSkinButton.h"

#include <array>

class CTitleButtons
{
public:
    /// Puts the buttons on the window at the places its width gives them.
    void Create(QWidget* pWindow);
    /// Moves them where the window's new width puts them.
    void Place(int nWidth);

private:
    std::array<CxSkinButton, 7> m_buttons; ///< in the order of PlaceButtons
};
