#include "mainwindow/WindowMenu.h"

#include "framework/CommandIds.h"
#include "platform/CommandEvent.h"

#include <QMenu>

namespace mainwindow {

void ShowWindowMenu(QWidget* pWindow, bool bMaximized, const QPoint& ptGlobal)
{
    using namespace framework;
    QMenu menu(pWindow);
    const auto add = [pWindow, &menu](const QString& strText, int nID, bool bEnabled) {
        QAction* pAction =
            // Queued: the command runs once the window menu has closed.
            menu.addAction(strText, pWindow,
                           [pWindow, nID] { platform::PostCommand(pWindow, nID); });
        pAction->setEnabled(bEnabled);
    };
    add(QStringLiteral("&Restore"), IDC_BTN_MAXIMIZE, bMaximized);
    add(QStringLiteral("Mi&nimize"), IDC_BTN_MINIMIZE, true);
    add(QStringLiteral("Ma&ximize"), IDC_BTN_MAXIMIZE, !bMaximized);
    add(QStringLiteral("&Close"), kIdCancel, true);
    menu.addSeparator();
    add(QStringLiteral("&About Quillmark..."), IDM_ABOUTBOX, true);
    menu.exec(ptGlobal);
}

} // namespace mainwindow
