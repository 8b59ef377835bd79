#pragma once
// The main window's three pop-up menus and the keys that work them before any
// control sees them: the Alt accelerators, the underlined letters of the open
// menu, and Esc, which closes the menus and never the window.

#include "framework/EditMenuWnd.h"
#include "framework/FileMenuWnd.h"
#include "framework/OptionsMenuWnd.h"
#include "mainwindow/CommandKeys.h"

#include <vector>

namespace platform {
struct KeyInput;
}

class CMainMenus
{
public:
    /// Creates the menus over the owner, which runs their commands.
    void Create(QWidget* pOwner);

    CBaseMenuWnd& File() { return m_fileMenu; }
    CBaseMenuWnd& Edit() { return m_editMenu; }
    CBaseMenuWnd& Options() { return m_optionsMenu; }
    std::vector<QWidget*> Windows() { return {&m_fileMenu, &m_editMenu, &m_optionsMenu}; }

    void HideAll();
    /// Runs the key's command on the owner; true when the key was used up.
    /// bEscapeElsewhere leaves Esc to the control that has the focus.
    bool TakeKey(const platform::KeyInput& key, bool bEscapeElsewhere);

private:
    mainwindow::OpenMenu Visible() const;

    QWidget* m_pOwner = nullptr;
    CFileMenuWnd m_fileMenu;
    CEditMenuWnd m_editMenu;
    COptionsMenuWnd m_optionsMenu;
};
