#pragma once
// Helpers shared by the widget tests of the platform layer and the framework:
// solid test bitmaps in place of the skin, and a window that records the
// private messages and commands it receives.

#include "platform/BitmapRegistry.h"
#include "platform/MessageEvent.h"

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

/// Black with white corners of the given size, like a rounded mask.
inline QPixmap CornerMask(int nWidth, int nHeight, int nCorner)
{
    QImage image(nWidth, nHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (int y = 0; y < nCorner; ++y) {
        for (int x = 0; x < nCorner; ++x) {
            image.setPixel(x, y, 0xFFFFFFFF);
            image.setPixel(nWidth - 1 - x, nHeight - 1 - y, 0xFFFFFFFF);
        }
    }
    return QPixmap::fromImage(image);
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

struct ReceivedMessage
{
    platform::MessageId nMessage;
    std::uintptr_t wParam;
    std::intptr_t lParam;

    bool operator==(const ReceivedMessage&) const = default;
};

/// A window that keeps every private message (commands included) it gets.
class CMessageRecorder : public QWidget
{
public:
    using QWidget::QWidget;

    std::vector<ReceivedMessage> m_received;

    std::vector<std::uintptr_t> Commands() const
    {
        std::vector<std::uintptr_t> commands;
        for (const ReceivedMessage& message : m_received) {
            if (message.nMessage == platform::kWmCommand)
                commands.push_back(message.wParam);
        }
        return commands;
    }

protected:
    bool event(QEvent* pEvent) override
    {
        if (const CMessageEvent* pMessage = CMessageEvent::From(pEvent)) {
            m_received.push_back({pMessage->Message(), pMessage->WParam(), pMessage->LParam()});
            pMessage->SetResult(static_cast<std::intptr_t>(m_received.size()));
            return true;
        }
        return QWidget::event(pEvent);
    }
};

/// The colour of one pixel of what the widget shows.
inline QColor PixelOf(QWidget& widget, int x, int y)
{
    return widget.grab().toImage().pixelColor(x, y);
}

} // namespace testsupport
