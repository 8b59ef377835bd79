#include "framework/MenuNavigation.h"

#include "platform/core/VirtualKeys.h"

namespace framework {
namespace {

// The hover bar leaves a 4-pixel frame on either side of the menu.
constexpr int kHoverInset = 4;

} // namespace

CMenuNavigation::CMenuNavigation(std::vector<MenuItem> items) : m_items(std::move(items)) {}

CMenuNavigation::Change CMenuNavigation::Open()
{
    const int nOld = m_nHover;
    m_nHover = 0;
    Change change = MoveUp();
    change.nOld = nOld;
    return change;
}

CMenuNavigation::Change CMenuNavigation::MouseMove(int x, int y, int nClientWidth)
{
    const Change change = SetHover(HitTest(x, y, nClientWidth));
    if (change.Changed() || change.nNew == -1)
        m_bPressed = false;
    return change;
}

void CMenuNavigation::ButtonDown()
{
    if (m_nHover != -1)
        m_bPressed = true;
}

int CMenuNavigation::ButtonUp()
{
    if (m_bPressed && m_nHover != -1)
        return m_nHover;
    m_bPressed = false;
    return -1;
}

CMenuNavigation::KeyResult CMenuNavigation::KeyDown(int nVirtualKey)
{
    switch (nVirtualKey) {
    case platform::kVkReturn:
        return {true, m_nHover, {m_nHover, m_nHover}};
    case platform::kVkDown:
        return {true, -1, MoveDown()};
    case platform::kVkUp:
        return {true, -1, MoveUp()};
    default:
        return {false, -1, {m_nHover, m_nHover}};
    }
}

CMenuNavigation::Change CMenuNavigation::MoveDown()
{
    const int nLast = static_cast<int>(m_items.size()) - 1;
    for (int i = m_nHover + 1; i <= nLast; ++i) {
        if (IsSelectable(m_items[static_cast<std::size_t>(i)]))
            return SetHover(i);
    }
    return {m_nHover, m_nHover};
}

CMenuNavigation::Change CMenuNavigation::MoveUp()
{
    if (m_nHover <= 0)
        return SetHover(0);
    for (int i = m_nHover - 1; i >= 0; --i) {
        if (IsSelectable(m_items[static_cast<std::size_t>(i)]))
            return SetHover(i);
    }
    return {m_nHover, m_nHover};
}

CMenuNavigation::Change CMenuNavigation::SetHover(int nHover)
{
    const Change change{m_nHover, nHover};
    m_nHover = nHover;
    return change;
}

int CMenuNavigation::HitTest(int x, int y, int nClientWidth) const
{
    if (x < kHoverInset || x > nClientWidth - kHoverInset)
        return -1;
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        const MenuItem& item = m_items[i];
        if (IsSelectable(item) && item.rcItem.top <= y && y <= item.rcItem.bottom)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace framework
