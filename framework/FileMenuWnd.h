#pragma once
// The File menu: its entries and background; everything else is CBaseMenuWnd's.

#include "framework/BaseMenuWnd.h"

class CFileMenuWnd : public CBaseMenuWnd
{
public:
    CFileMenuWnd();
};
