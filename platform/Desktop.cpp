#include "platform/Desktop.h"

#include "platform/Drawing.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

namespace platform {

Rect DesktopWorkArea()
{
    const QScreen* pScreen = QGuiApplication::primaryScreen();
    return pScreen == nullptr ? Rect{} : FromQRect(pScreen->availableGeometry());
}

Size FullScreenClientSize()
{
    const QScreen* pScreen = QGuiApplication::primaryScreen();
    if (pScreen == nullptr)
        return {};
    const QSize size = pScreen->geometry().size();
    return {size.width(), size.height()};
}

int WheelScrollLines()
{
    return QApplication::wheelScrollLines();
}

std::wstring DocumentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdWString();
}

} // namespace platform
