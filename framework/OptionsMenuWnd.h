#pragma once
// The Options menu: its entries and background; everything else is CBaseMenuWnd's.

#include "framework/BaseMenuWnd.h"

class COptionsMenuWnd : public CBaseMenuWnd
{
public:
    COptionsMenuWnd();
};
