#pragma once
// The main window's own picture: the stretched background, the path line, the
// outlined column headings and the status line. The child windows paint
// themselves.

#include "platform/core/Geometry.h"

#include <QFont>
#include <QPixmap>

#include <string>

class QPainter;

namespace strokelist {
struct ListLayout;
}

class CMainWindowPicture
{
public:
    CMainWindowPicture();

    /// What the window shows besides its controls.
    struct Content
    {
        platform::Size size;
        platform::Rect rcStatus;
        std::wstring strStatus;
        const strokelist::ListLayout& listLayout;
        const std::wstring& strFileName;
    };

    void Paint(QPainter& painter, const Content& content) const;

private:
    void PaintBackground(QPainter& painter, platform::Size size) const;
    void PaintHeadings(QPainter& painter, const strokelist::ListLayout& layout) const;

    QPixmap m_bmpBackground;
    QFont m_fontStatus;
    QFont m_fontHeading;
    QFont m_fontPath;
};
