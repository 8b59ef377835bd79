#include "framework/BorderlessWindow.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QWindow>

CBorderlessWindow::CBorderlessWindow(QWidget* pWindow, std::function<void()> cancel)
    : QObject(pWindow), m_pWindow(pWindow), m_cancel(std::move(cancel))
{
    pWindow->installEventFilter(this);
}

void CBorderlessWindow::MakeBorderless(QWidget* pWindow)
{
    pWindow->setWindowFlag(Qt::FramelessWindowHint, true);
}

void CBorderlessWindow::AttachCloseButton(QAbstractButton* pButton)
{
    connect(pButton, &QAbstractButton::clicked, this, [this] {
        if (m_cancel)
            m_cancel();
    });
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
    if (type == QEvent::MouseButtonPress)
        return mouse.button() == Qt::LeftButton && StartMove(ptGlobal);
    if (!m_bDragging)
        return false;
    if (type == QEvent::MouseMove)
        MoveTo(ptGlobal);
    else if (mouse.button() == Qt::LeftButton)
        m_bDragging = false;
    return true;
}

bool CBorderlessWindow::StartMove(const QPoint& ptGlobal)
{
    // The window system moves the window as if its title bar were dragged; where
    // it cannot, the window follows the pointer itself.
    QWindow* pHandle = m_pWindow->windowHandle();
    if (pHandle != nullptr && pHandle->startSystemMove())
        return true;
    m_bDragging = true;
    m_ptGrab = ptGlobal - m_pWindow->frameGeometry().topLeft();
    return true;
}

void CBorderlessWindow::MoveTo(const QPoint& ptGlobal)
{
    m_pWindow->move(ptGlobal - m_ptGrab);
}
