#pragma once
// What the two monitor windows share: a borderless, resizable window painted
// as a skinned frame from its background bitmap, a drawn close button kept 33
// pixels from the right edge, Esc that never closes it, and a body that moves
// the window when dragged. The close button hides the window.

#include "framework/FramePlan.h"
#include "framework/ResizableDialog.h"
#include "framework/xSkinButton.h"

#include <QPixmap>

class CMonitorFrameDlg : public CResizableDialog
{
    Q_OBJECT

public:
    /// r and s pick the frame's slices of the bitmap, the bottom slice starting
    /// nBottomFromRight columns left of its right edge; size is the window's
    /// size at creation.
    CMonitorFrameDlg(QWidget* pOwner, int nBitmap, int r, int s, int nBottomFromRight, QSize size);

    /// The close button: hides the window.
    virtual void OnCancel();

    /// Repaints the frame and the view: a window's repaint leaves its children
    /// as they were.
    void RepaintWhole();

protected:
    /// Places the view inside the frame; it grows and shrinks with the window.
    void AddView(QWidget* pView, const QRect& rcView, int nID);

    QSize BitmapSize() const { return m_bmpBackground.size(); }

    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void reject() override;

private:
    void PlaceCloseButton();
    void ReturnKeyboard() const;

    CxSkinButton m_btnClose;
    QWidget* m_pViewWnd = nullptr; // child window
    QPixmap m_bmpBackground;
    framework::FrameSlices m_slices;
};
