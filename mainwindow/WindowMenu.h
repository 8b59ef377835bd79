#pragma once
// The main window's own menu, opened from its title line: restore, minimise,
// maximise, close and the About box, each sent to the window as a command.

class QPoint;
class QWidget;

namespace mainwindow {

/// Shows the menu at ptGlobal; its choice reaches pWindow as a command.
void ShowWindowMenu(QWidget* pWindow, bool bMaximized, const QPoint& ptGlobal);

} // namespace mainwindow
