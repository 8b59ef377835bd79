#include "mainwindow/MainMenus.h"

#include "framework/CommandIds.h"
#include "mainwindow/MainWindowLayout.h"
#include "platform/CommandEvent.h"

using mainwindow::OpenMenu;

void CMainMenus::Create(QWidget* pOwner)
{
    m_pOwner = pOwner;
    using namespace mainwindow;
    m_fileMenu.Create(pOwner, framework::IDC_FILE_MENU, {kFileMenuAt.x, kFileMenuAt.y});
    m_editMenu.Create(pOwner, framework::IDC_EDIT_MENU, {kEditMenuAt.x, kEditMenuAt.y});
    m_optionsMenu.Create(pOwner, framework::IDC_OPTIONS_MENU,
                         {kOptionsMenuAt.x, kOptionsMenuAt.y});
    for (CBaseMenuWnd* pMenu : {&File(), &Edit(), &Options()})
        pMenu->SetCommandTarget(pOwner);
}

void CMainMenus::HideAll()
{
    for (QWidget* pMenu : Windows())
        pMenu->hide();
}

OpenMenu CMainMenus::Visible() const
{
    if (m_fileMenu.isVisible())
        return OpenMenu::File;
    if (m_editMenu.isVisible())
        return OpenMenu::Edit;
    if (m_optionsMenu.isVisible())
        return OpenMenu::Options;
    return OpenMenu::None;
}

bool CMainMenus::TakeKey(const platform::KeyInput& key, bool bEscapeElsewhere)
{
    if (const auto accelerator = mainwindow::AcceleratorCommand(key)) {
        platform::SendCommand(m_pOwner, accelerator->nCommand);
        return true;
    }
    if (const auto letter = mainwindow::MenuLetterCommand(Visible(), key.nVirtualKey)) {
        if (letter->nCommand != 0)
            platform::SendCommand(m_pOwner, letter->nCommand);
        return true;
    }
    if (key.nVirtualKey != platform::kVkEscape || bEscapeElsewhere)
        return false;
    HideAll();
    return true;
}
