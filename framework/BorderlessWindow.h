#pragma once
// What every borderless skinned window does without a frame: dragging its body
// moves it, and its drawn close button runs the window's cancel action.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <functional>

class QAbstractButton;

class CBorderlessWindow : public QObject
{
    Q_OBJECT

public:
    /// Takes away the window's frame and title bar and watches it; cancel is
    /// what its close button does.
    CBorderlessWindow(QWidget* pWindow, std::function<void()> cancel);

    /// Routes the drawn close button to the cancel action.
    void AttachCloseButton(QAbstractButton* pButton);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    bool OnMouseMove(const QPoint& ptGlobal);
    void StartMove(const QPoint& ptGlobal);

    QPointer<QWidget> m_pWindow;
    std::function<void()> m_cancel;
    /// The left button went down on the body; no move has started yet.
    bool m_bPressed = false;
    QPoint m_ptPress;
    /// Moving the window ourselves, where the window system cannot.
    bool m_bDragging = false;
    QPoint m_ptGrab; // pointer position relative to the window's top-left
};
