#include "framework/FileMenuWnd.h"

#include "framework/MenuTables.h"

CFileMenuWnd::CFileMenuWnd()
    : CBaseMenuWnd(framework::FileMenuItems(), framework::kFileMenuBackground)
{
}
