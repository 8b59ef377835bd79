#pragma once
// Limits of a resizable window's size: the smallest size the user may drag it
// to (its creation size) and, optionally, the largest.

#include <QSize>

#include <optional>

class QWidget;

class CResizableMinMax
{
public:
    void SetMinTrackSize(QSize size) { m_minTrackSize = size; }
    void SetMaxTrackSize(QSize size) { m_maxTrackSize = size; }

    /// Gives the window the limits set so far.
    void ApplyMinMax(QWidget* pWindow) const;

private:
    std::optional<QSize> m_minTrackSize;
    std::optional<QSize> m_maxTrackSize;
};
