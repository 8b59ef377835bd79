#include "platform/MessageEvent.h"

#include <QCoreApplication>

CMessageEvent::CMessageEvent(platform::MessageId nMessage, std::uintptr_t wParam,
                             std::intptr_t lParam)
    : QEvent(EventType()), m_nMessage(nMessage), m_wParam(wParam), m_lParam(lParam)
{
}

QEvent::Type CMessageEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

const CMessageEvent* CMessageEvent::From(const QEvent* pEvent)
{
    if (pEvent == nullptr || pEvent->type() != EventType())
        return nullptr;
    return static_cast<const CMessageEvent*>(pEvent);
}

namespace platform {

void PostPrivateMessage(QObject* pTarget, MessageId nMessage, std::uintptr_t wParam,
                        std::intptr_t lParam)
{
    if (pTarget == nullptr)
        return;
    QCoreApplication::postEvent(pTarget, new CMessageEvent(nMessage, wParam, lParam));
}

std::intptr_t SendPrivateMessage(QObject* pTarget, MessageId nMessage, std::uintptr_t wParam,
                                 std::intptr_t lParam)
{
    if (pTarget == nullptr)
        return 0;
    CMessageEvent event(nMessage, wParam, lParam);
    QCoreApplication::sendEvent(pTarget, &event);
    return event.Result();
}

void PostCommand(QObject* pTarget, int nID)
{
    PostPrivateMessage(pTarget, kWmCommand, static_cast<std::uintptr_t>(nID));
}

void SendCommand(QObject* pTarget, int nID)
{
    SendPrivateMessage(pTarget, kWmCommand, static_cast<std::uintptr_t>(nID));
}

} // namespace platform
