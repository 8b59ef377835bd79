#pragma once
// Helpers shared by the widget tests of the platform layer and the framework:
// solid test bitmaps in place of the skin, and a window that records the
// commands it receives.

#include "platform/BitmapRegistry.h"
#include "platform/CommandEvent.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <initializer_list>
#include <utility>
#include <vector>

namespace testsupport {

inline QPixmap SolidPixmap(int nWidth, int nHeight, QColor color)
{
    QPixmap bitmap(nWidth, nHeight);
    bitmap.fill(color);
    return bitmap;
}

/// Puts test pictures in place of skin bitmaps for the life of the object.
class CBitmapOverrides
{
public:
    CBitmapOverrides(std::initializer_list<std::pair<int, QPixmap>> bitmaps)
    {
        for (const auto& [nID, bitmap] : bitmaps)
            CBitmapRegistry::Override(nID, bitmap);
    }
    ~CBitmapOverrides() { CBitmapRegistry::ClearOverrides(); }
    CBitmapOverrides(const CBitmapOverrides&) = delete;
    CBitmapOverrides& operator=(const CBitmapOverrides&) = delete;
};

/// A window that keeps the identifiers of the commands it receives.
class CCommandRecorder : public QWidget
{
public:
    using QWidget::QWidget;

    std::vector<std::uintptr_t> Commands() const { return m_commands; }

protected:
    bool event(QEvent* pEvent) override
    {
        const std::optional<int> nID = platform::CommandOf(pEvent);
        if (!nID)
            return QWidget::event(pEvent);
        m_commands.push_back(static_cast<std::uintptr_t>(*nID));
        return true;
    }

private:
    std::vector<std::uintptr_t> m_commands;
};

/// The colour of one pixel of what the widget shows.
inline QColor PixelOf(QWidget& widget, int x, int y)
{
    return widget.grab().toImage().pixelColor(x, y);
}

} // namespace testsupport
