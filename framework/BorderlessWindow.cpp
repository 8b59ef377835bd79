#include "framework/BorderlessWindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>

CBorderlessWindow::CBorderlessWindow(QWidget* pWindow) : QObject(pWindow), m_pWindow(pWindow)
{
    pWindow->setWindowFlag(Qt::FramelessWindowHint, true);
    pWindow->installEventFilter(this);
}

bool CBorderlessWindow::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched != m_pWindow)
        return false;
    const QEvent::Type type = pEvent->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return false;
    const auto& mouse = static_cast<const QMouseEvent&>(*pEvent);
    const QPoint ptGlobal = mouse.globalPosition().toPoint();
    if (type == QEvent::MouseButtonPress) {
        if (mouse.button() != Qt::LeftButton)
            return false;
        m_bPressed = true;
        m_ptPress = ptGlobal;
        return true;
    }
    if (type == QEvent::MouseButtonRelease) {
        const bool bOurs = m_bPressed || m_bDragging;
        if (mouse.button() == Qt::LeftButton)
            m_bPressed = m_bDragging = false;
        return bOurs;
    }
    return OnMouseMove(ptGlobal);
}

bool CBorderlessWindow::OnMouseMove(const QPoint& ptGlobal)
{
    if (m_bDragging) {
        m_pWindow->move(ptGlobal - m_ptGrab);
        return true;
    }
    if (!m_bPressed)
        return false;
    // The move starts only once the pointer has really left the press point: a
    // window manager that takes the pointer at the press would swallow the
    // second click of a double-click.
    if ((ptGlobal - m_ptPress).manhattanLength() < QApplication::startDragDistance())
        return true;
    m_bPressed = false;
    StartMove(ptGlobal);
    return true;
}

void CBorderlessWindow::StartMove(const QPoint& ptGlobal)
{
    // The window system moves the window as if its title bar were dragged; where
    // it cannot, the window follows the pointer itself.
    QWindow* pHandle = m_pWindow->windowHandle();
    if (pHandle != nullptr && pHandle->startSystemMove())
        return;
    m_bDragging = true;
    m_ptGrab = m_ptPress - m_pWindow->frameGeometry().topLeft();
    m_pWindow->move(ptGlobal - m_ptGrab);
}
