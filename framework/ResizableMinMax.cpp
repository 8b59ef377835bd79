#include "framework/ResizableMinMax.h"

#include <QWidget>

void CResizableMinMax::ApplyMinMax(QWidget* pWindow) const
{
    if (pWindow == nullptr)
        return;
    if (m_minTrackSize)
        pWindow->setMinimumSize(*m_minTrackSize);
    if (m_maxTrackSize)
        pWindow->setMaximumSize(*m_maxTrackSize);
}
