#pragma once
// A pop-up menu drawn from bitmaps with outlined letters. It tracks the mouse
// and the arrow keys itself and posts the chosen entry's command to the main
// window, exactly as a button would send it; it hides when it loses the focus.

#include "framework/MenuNavigation.h"

#include <QFont>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class CBaseMenuWnd : public QWidget
{
    Q_OBJECT

public:
    /// Makes the window (hidden) as a child of the parent, sized to its background.
    void Create(QWidget* pParent, int nID, QPoint ptTopLeft);

    /// Where commands go; by default the parent's top-level window.
    void SetCommandTarget(QObject* pTarget) { m_pCommandTarget = pTarget; }

    /// Shows the menu with its first entry hovered and gives it the focus.
    void Open();

    const std::vector<framework::MenuItem>& Items() const { return m_navigation.Items(); }

protected:
    CBaseMenuWnd(std::vector<framework::MenuItem> items, int nBackground);

    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;

private:
    bool HandleKey(const QKeyEvent& event);
    void RepaintBands(const framework::CMenuNavigation::Change& change);
    void Choose(int nIndex);
    void DrawLabel(QPainter& painter, const framework::MenuItem& item);

    QPixmap m_bmpBackground;
    QPixmap m_bmpHover;
    QPixmap m_bmpSeparator;
    QFont m_font;
    QFont m_fontUnderline;
    framework::CMenuNavigation m_navigation;
    QPointer<QObject> m_pCommandTarget;
};
