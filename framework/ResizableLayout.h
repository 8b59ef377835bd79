#pragma once
// Keeps chosen child controls anchored to the edges of their window: each
// anchor is measured once when added and applied after every size change.

#include "framework/AnchorLayout.h"

#include <QPointer>
#include <QWidget>

#include <optional>
#include <vector>

class CResizableLayout
{
public:
    virtual ~CResizableLayout() = default;

    /// Anchors a child of the window; without a bottom-right point both corners
    /// follow the top-left one.
    void AddAnchor(QWidget* pControl, framework::AnchorPoint ptTopLeft,
                   std::optional<framework::AnchorPoint> ptBottomRight = std::nullopt);
    /// The same for a child found by its control identifier.
    void AddAnchor(int nID, framework::AnchorPoint ptTopLeft,
                   std::optional<framework::AnchorPoint> ptBottomRight = std::nullopt);

    /// Moves every anchored control for the window's current client size, all at once.
    void ArrangeLayout() const;

protected:
    /// The window whose client area the anchors refer to.
    virtual QWidget* GetResizableWnd() const = 0;

private:
    struct AnchorEntry
    {
        QPointer<QWidget> pControl;
        framework::Anchor anchor;
    };

    std::vector<AnchorEntry> m_anchors;
};
