#include "framework/OptionsMenuWnd.h"

#include "framework/MenuTables.h"

COptionsMenuWnd::COptionsMenuWnd()
    : CBaseMenuWnd(framework::OptionsMenuItems(), framework::kOptionsMenuBackground)
{
}
