#include "framework/ResizableDialog.h"

#include <QEvent>
#include <QResizeEvent>

CResizableDialog::CResizableDialog(QWidget* pParent, Qt::WindowFlags flags)
    : QDialog(pParent, flags)
{
    CreateSizeGrip();
}

QWidget* CResizableDialog::GetResizableWnd() const
{
    return const_cast<CResizableDialog*>(this);
}

void CResizableDialog::showEvent(QShowEvent* pEvent)
{
    QDialog::showEvent(pEvent);
    if (m_bCreated || !isWindow())
        return;
    // The size at creation is the smallest the user may make the window.
    m_bCreated = true;
    SetMinTrackSize(size());
    ApplyMinMax(this);
}

void CResizableDialog::resizeEvent(QResizeEvent* pEvent)
{
    QDialog::resizeEvent(pEvent);
    UpdateGripForState();
    ArrangeLayout();
}

void CResizableDialog::changeEvent(QEvent* pEvent)
{
    QDialog::changeEvent(pEvent);
    if (pEvent->type() == QEvent::WindowStateChange)
        UpdateGripForState();
}

void CResizableDialog::UpdateGripForState()
{
    const bool bMaximized = isMaximized();
    if (bMaximized != m_bGripHiddenForMaximize) {
        m_bGripHiddenForMaximize = bMaximized;
        ShowSizeGrip(!bMaximized);
        return;
    }
    UpdateSizeGrip();
}
