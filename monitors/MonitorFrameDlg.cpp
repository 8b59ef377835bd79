#include "monitors/MonitorFrameDlg.h"

#include "framework/BorderlessWindow.h"
#include "framework/CommandIds.h"
#include "framework/SkinButtonRules.h"
#include "framework/SkinIds.h"
#include "platform/BitmapRegistry.h"
#include "platform/DialogControls.h"
#include "platform/Drawing.h"
#include "platform/CommandEvent.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

platform::Size SizeOf(const QPixmap& bitmap)
{
    return {bitmap.width(), bitmap.height()};
}

} // namespace

CMonitorFrameDlg::CMonitorFrameDlg(QWidget* pOwner, int nBitmap, int r, int s, int nBottomFromRight,
                                   QSize size)
    : CResizableDialog(pOwner), m_btnClose(this), m_bmpBackground(CBitmapRegistry::Load(nBitmap)),
      m_slices(framework::MonitorFrameSlices(SizeOf(m_bmpBackground), r, s,
                                             m_bmpBackground.width() - nBottomFromRight))
{
    // Dragging the body moves the window; owned by the window itself.
    new CBorderlessWindow(this);
    // A monitor only watches: showing or dragging it leaves the keyboard where it was.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(size);
    platform::SetControlId(&m_btnClose, framework::kIdCancel);
    m_btnClose.SetSkin(framework::kSkinClose);
    PlaceCloseButton();
}

void CMonitorFrameDlg::AddView(QWidget* pView, const QRect& rcView, int nID)
{
    m_pViewWnd = pView;
    platform::SetControlId(pView, nID);
    pView->setGeometry(rcView);
    // Presses on the view reach the window, so the whole body drags it.
    pView->setAttribute(Qt::WA_TransparentForMouseEvents);
    pView->lower();
    AddAnchor(pView, framework::kTopLeft, framework::kBottomRight);
}

void CMonitorFrameDlg::RepaintWhole()
{
    update();
    if (m_pViewWnd != nullptr)
        m_pViewWnd->update();
}

void CMonitorFrameDlg::OnCancel()
{
    hide();
}

bool CMonitorFrameDlg::event(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::WindowActivate)
        ReturnKeyboard();
    const std::optional<int> nID = platform::CommandOf(pEvent);
    if (!nID)
        return CResizableDialog::event(pEvent);
    if (*nID == framework::kIdCancel)
        OnCancel();
    return true;
}

void CMonitorFrameDlg::paintEvent(QPaintEvent* /*pEvent*/)
{
    QPainter painter(this);
    const platform::Size client{width(), height()};
    for (const framework::BitmapCopy& copy :
         framework::PlanSkinnedFrame(client, SizeOf(m_bmpBackground), m_slices))
        platform::CopyBitmap(painter, copy.dx, copy.dy, m_bmpBackground,
                             {copy.sx, copy.sy, copy.sx + copy.cx, copy.sy + copy.cy});
}

void CMonitorFrameDlg::resizeEvent(QResizeEvent* pEvent)
{
    CResizableDialog::resizeEvent(pEvent);
    PlaceCloseButton();
    update();
}

void CMonitorFrameDlg::keyPressEvent(QKeyEvent* pEvent)
{
    // Esc does not close a monitor; only its close button does.
    if (pEvent->key() == Qt::Key_Escape) {
        pEvent->accept();
        return;
    }
    CResizableDialog::keyPressEvent(pEvent);
}

void CMonitorFrameDlg::reject()
{
    // The window manager's close request counts as the close button.
    OnCancel();
}

void CMonitorFrameDlg::ReturnKeyboard() const
{
    // Where the platform activates every window it shows, the keyboard goes
    // back to the first owner that is not a monitor.
    QWidget* pOwner = parentWidget();
    while (pOwner != nullptr && qobject_cast<const CMonitorFrameDlg*>(pOwner->window()) != nullptr)
        pOwner = pOwner->window()->parentWidget();
    if (pOwner != nullptr && pOwner->isVisible())
        pOwner->window()->activateWindow();
}

void CMonitorFrameDlg::PlaceCloseButton()
{
    const platform::Point ptClose = framework::CloseButtonPlace(width());
    m_btnClose.move(ptClose.x, ptClose.y);
}
