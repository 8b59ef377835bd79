#include "framework/ResizableLayout.h"

#include "platform/DialogControls.h"
#include "platform/Drawing.h"

namespace {

platform::Size ClientSize(const QWidget* pWindow)
{
    return {pWindow->width(), pWindow->height()};
}

} // namespace

void CResizableLayout::AddAnchor(QWidget* pControl, framework::AnchorPoint ptTopLeft,
                                 std::optional<framework::AnchorPoint> ptBottomRight)
{
    const QWidget* pWindow = GetResizableWnd();
    if (pControl == nullptr || pWindow == nullptr)
        return;
    const framework::Anchor anchor =
        framework::MakeAnchor(ClientSize(pWindow), platform::FromQRect(pControl->geometry()),
                              ptTopLeft, ptBottomRight.value_or(ptTopLeft));
    m_anchors.push_back({pControl, anchor});
}

void CResizableLayout::AddAnchor(int nID, framework::AnchorPoint ptTopLeft,
                                 std::optional<framework::AnchorPoint> ptBottomRight)
{
    AddAnchor(platform::FindControl(GetResizableWnd(), nID), ptTopLeft, ptBottomRight);
}

void CResizableLayout::ArrangeLayout() const
{
    QWidget* pWindow = GetResizableWnd();
    if (pWindow == nullptr || m_anchors.empty())
        return;
    const platform::Size client = ClientSize(pWindow);
    // One repaint for the whole batch instead of one per moved control.
    const bool bUpdates = pWindow->updatesEnabled();
    pWindow->setUpdatesEnabled(false);
    for (const AnchorEntry& entry : m_anchors) {
        if (entry.pControl != nullptr)
            entry.pControl->setGeometry(
                platform::ToQRect(framework::ArrangeAnchor(entry.anchor, client)));
    }
    pWindow->setUpdatesEnabled(bUpdates);
}
