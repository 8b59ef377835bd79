#include "monitors/ConfigurationDlg.h"

#include "framework/BorderlessWindow.h"
#include "framework/CommandIds.h"
#include "framework/SkinButtonRules.h"
#include "framework/SkinIds.h"
#include "platform/BitmapRegistry.h"
#include "platform/DialogControls.h"
#include "platform/Drawing.h"
#include "platform/KeyTranslation.h"
#include "platform/CommandEvent.h"

#include <QKeyEvent>
#include <QPainter>

using namespace framework;

namespace {

constexpr int kBackgroundBitmap = 165;
/// The size it is centred at; the background then makes it larger, keeping
/// its top-left corner.
constexpr QSize kTemplateSize{279, 150};
constexpr int kVkM = platform::kVkA + ('M' - 'A');

constexpr int kPushMargin = 5;
constexpr platform::Rect kCheckFocusMargins{5, 12, 5, 5};

} // namespace

CConfigurationDlg::CConfigurationDlg(QWidget* pParent)
    : CCommandDialog(pParent), m_btnShowMonitor(this, SkinButtonKind::Check), m_btnOK(this),
      m_btnCancel(this), m_btnClose(this), m_bmpBackground(CBitmapRegistry::Load(kBackgroundBitmap))
{
    setWindowTitle(QStringLiteral("Configuration"));
    setModal(true);
    new CBorderlessWindow(this);
    setAttribute(Qt::WA_OpaquePaintEvent);
    CenterOnOwner();
    setFixedSize(m_bmpBackground.size());
    CreateButtons();
}

void CConfigurationDlg::CreateButtons()
{
    // The check box has no caption: the background carries "Show Stroke Monitor".
    m_btnShowMonitor.Place(IDC_SHOW_STROKE_MONITOR, kSkinCheckBox, {10, 42}, 0, kCheckFocusMargins);
    m_btnOK.setText(QStringLiteral("&OK"));
    m_btnOK.Place(kIdOk, kSkinDialogButton, {292, 164}, kPushMargin);
    m_btnCancel.setText(QStringLiteral("&Cancel"));
    m_btnCancel.Place(kIdCancel, kSkinDialogButton, {370, 164}, kPushMargin);
    const platform::Point ptClose = framework::CloseButtonPlace(width());
    m_btnClose.Place(IDC_BTN_CLOSE_DIALOG, kSkinClose, ptClose);
    m_btnClose.setFocusPolicy(Qt::NoFocus);
    m_btnShowMonitor.setFocus();
}

void CConfigurationDlg::CenterOnOwner()
{
    const QWidget* pOwner = parentWidget();
    if (pOwner == nullptr)
        return;
    const QRect rcOwner = pOwner->frameGeometry();
    move(rcOwner.left() + (rcOwner.width() - kTemplateSize.width()) / 2,
         rcOwner.top() + (rcOwner.height() - kTemplateSize.height()) / 2);
}

void CConfigurationDlg::SetShowMonitor(bool bShow)
{
    m_bShowMonitor = bShow;
    m_btnShowMonitor.SetCheck(bShow);
}

bool CConfigurationDlg::OnCommand(int nID)
{
    switch (nID) {
    case IDC_SHOW_STROKE_MONITOR:
        OnShowMonitor();
        return true;
    case kIdOk:
        OnOK();
        return true;
    case kIdCancel:
    case IDC_BTN_CLOSE_DIALOG:
        reject();
        return true;
    default:
        return false;
    }
}

void CConfigurationDlg::OnShowMonitor()
{
    m_bShowMonitor = !m_bShowMonitor;
    m_btnShowMonitor.SetCheck(m_bShowMonitor);
}

void CConfigurationDlg::OnOK()
{
    m_bShowMonitor = m_btnShowMonitor.GetCheck();
    accept();
}

void CConfigurationDlg::keyPressEvent(QKeyEvent* pEvent)
{
    const platform::KeyInput key = platform::TranslateKey(*pEvent);
    if (key.bAlt && key.nVirtualKey == kVkM) {
        OnShowMonitor();
        return;
    }
    if (key.nVirtualKey != platform::kVkReturn) {
        QDialog::keyPressEvent(pEvent); // Esc cancels
        return;
    }
    // Enter presses the push button that has the focus, else OK, the default.
    auto* pFocus = qobject_cast<CxSkinButton*>(focusWidget());
    if (pFocus != nullptr && pFocus->Kind() == SkinButtonKind::Push)
        pFocus->click();
    else
        m_btnOK.click();
}

void CConfigurationDlg::paintEvent(QPaintEvent* /*pEvent*/)
{
    QPainter painter(this);
    platform::CopyBitmap(painter, 0, 0, m_bmpBackground);
}
