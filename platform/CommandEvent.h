#pragma once
// A command as a Qt event: the identifier of a button, a menu entry or an
// accelerator, so that all three look alike to the window that runs it.

#include <QEvent>

#include <optional>

class QObject;

class CCommandEvent : public QEvent
{
public:
    explicit CCommandEvent(int nID);

    /// The one event type all commands share.
    static QEvent::Type EventType();

    int Id() const { return m_nID; }

private:
    int m_nID;
};

namespace platform {

/// The command the event carries; none for any other event.
std::optional<int> CommandOf(const QEvent* pEvent);
/// Runs the command on the target now, as a button click does.
void SendCommand(QObject* pTarget, int nID);
/// Queues the command behind the events already waiting: for a menu entry,
/// which runs only once the menu has finished with the click.
void PostCommand(QObject* pTarget, int nID);

} // namespace platform
