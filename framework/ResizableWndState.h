#pragma once
// The place where a resizable window would keep its position between runs.
// The program persists nothing, so no window saves or restores its placement;
// the part is kept so every resizable window has the same four parts.

class CResizableWndState
{
};
