#pragma once
// What every borderless skinned window does without a frame: dragging its body
// moves it. Its drawn close button is a skinned button of its own that sends
// the window's cancel command.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

class CBorderlessWindow : public QObject
{
    Q_OBJECT

public:
    /// Takes away the window's frame and title bar and watches it.
    explicit CBorderlessWindow(QWidget* pWindow);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    bool OnMouseMove(const QPoint& ptGlobal);
    void StartMove(const QPoint& ptGlobal);

    QPointer<QWidget> m_pWindow;
    /// The left button went down on the body; no move has started yet.
    bool m_bPressed = false;
    QPoint m_ptPress;
    /// Moving the window ourselves, where the window system cannot.
    bool m_bDragging = false;
    QPoint m_ptGrab; // pointer position relative to the window's top-left
};
