#include "framework/EditMenuWnd.h"

#include "framework/MenuTables.h"

CEditMenuWnd::CEditMenuWnd()
    : CBaseMenuWnd(framework::EditMenuItems(), framework::kEditMenuBackground)
{
}
