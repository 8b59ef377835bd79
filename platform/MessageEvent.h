#pragma once
// A private window message as a Qt event: a message number and two parameters.
// Posting queues it behind the events already waiting, like the desktop's posted
// messages; sending delivers it at once, for the few places that need an answer
// before going on.

#include "platform/core/Messages.h"

#include <QEvent>

#include <cstdint>

class QObject;

class CMessageEvent : public QEvent
{
public:
    CMessageEvent(platform::MessageId nMessage, std::uintptr_t wParam, std::intptr_t lParam);

    /// The one event type all private messages share.
    static QEvent::Type EventType();
    /// The event as a private message, or null for any other event.
    static const CMessageEvent* From(const QEvent* pEvent);

    platform::MessageId Message() const { return m_nMessage; }
    std::uintptr_t WParam() const { return m_wParam; }
    std::intptr_t LParam() const { return m_lParam; }

    /// What a receiver answers to a sent message; 0 unless it sets one.
    void SetResult(std::intptr_t nResult) const { m_nResult = nResult; }
    std::intptr_t Result() const { return m_nResult; }

private:
    platform::MessageId m_nMessage;
    std::uintptr_t m_wParam;
    std::intptr_t m_lParam;
    mutable std::intptr_t m_nResult = 0;
};

namespace platform {

/// Queues the message for the target; does nothing for a null target.
void PostPrivateMessage(QObject* pTarget, MessageId nMessage, std::uintptr_t wParam = 0,
                        std::intptr_t lParam = 0);
/// Delivers the message now; returns the receiver's answer (0 when it gives none).
std::intptr_t SendPrivateMessage(QObject* pTarget, MessageId nMessage, std::uintptr_t wParam = 0,
                                 std::intptr_t lParam = 0);
/// Queues a command, as a menu entry does.
void PostCommand(QObject* pTarget, int nID);
/// Delivers a command now, as a button click does.
void SendCommand(QObject* pTarget, int nID);

} // namespace platform
