#include "platform/CommandEvent.h"

#include <QCoreApplication>

CCommandEvent::CCommandEvent(int nID) : QEvent(EventType()), m_nID(nID) {}

QEvent::Type CCommandEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

namespace platform {

std::optional<int> CommandOf(const QEvent* pEvent)
{
    if (pEvent == nullptr || pEvent->type() != CCommandEvent::EventType())
        return std::nullopt;
    return static_cast<const CCommandEvent*>(pEvent)->Id();
}

void SendCommand(QObject* pTarget, int nID)
{
    if (pTarget == nullptr)
        return;
    CCommandEvent event(nID);
    QCoreApplication::sendEvent(pTarget, &event);
}

void PostCommand(QObject* pTarget, int nID)
{
    if (pTarget != nullptr)
        QCoreApplication::postEvent(pTarget, new CCommandEvent(nID));
}

} // namespace platform
