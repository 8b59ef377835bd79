#pragma once
// The Edit menu: its entries and background; everything else is CBaseMenuWnd's.

#include "framework/BaseMenuWnd.h"

class CEditMenuWnd : public CBaseMenuWnd
{
public:
    CEditMenuWnd();
};
