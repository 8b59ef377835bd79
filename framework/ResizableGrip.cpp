#include "framework/ResizableGrip.h"

CResizableGrip::CSizeGrip::CSizeGrip(QWidget* pParent) : QSizeGrip(pParent)
{
    resize(sizeHint());
}

void CResizableGrip::CreateSizeGrip(bool bVisible)
{
    if (m_pGrip != nullptr || GetResizableWnd() == nullptr)
        return;
    m_pGrip = new CSizeGrip(GetResizableWnd());
    m_nShowCount = bVisible ? 1 : 0;
    UpdateSizeGrip();
}

void CResizableGrip::ShowSizeGrip(bool bShow)
{
    m_nShowCount += bShow ? 1 : -1;
    UpdateSizeGrip();
}

void CResizableGrip::UpdateSizeGrip()
{
    const QWidget* pWindow = GetResizableWnd();
    if (m_pGrip == nullptr || pWindow == nullptr)
        return;
    m_pGrip->move(pWindow->width() - m_pGrip->width(), pWindow->height() - m_pGrip->height());
    m_pGrip->lower();
    m_pGrip->setVisible(m_nShowCount > 0);
}
