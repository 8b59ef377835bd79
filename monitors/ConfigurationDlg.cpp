#include "monitors/ConfigurationDlg.h"

#include "framework/BorderlessWindow.h"
#include "framework/CommandIds.h"
#include "platform/BitmapRegistry.h"
#include "platform/DialogControls.h"
#include "platform/Drawing.h"
#include "platform/KeyTranslation.h"
#include "platform/MessageEvent.h"

#include <QKeyEvent>
#include <QPainter>

using namespace framework;

namespace {

constexpr int kBackgroundBitmap = 165;
/// The size it is centred at; the background then makes it larger, keeping
/// its top-left corner.
constexpr QSize kTemplateSize{279, 150};
constexpr int kVkM = platform::kVkA + ('M' - 'A');

struct ButtonSkin
{
    int nNormal;
    int nDown;
    int nOver;
    int nMask;
    int nMargin;
};

constexpr ButtonSkin kCheckSkin{169, 166, 168, 167, 0};
constexpr ButtonSkin kPushSkin{181, 182, 184, 183, 5};
constexpr ButtonSkin kCloseSkin{133, 131, 132, 142, 0};
constexpr platform::Rect kCheckFocusMargins{5, 12, 5, 5};

void Skin(CxSkinButton& button, int nID, const ButtonSkin& skin, QPoint ptAt,
          const platform::Rect& rcFocusMargins = {})
{
    platform::SetControlId(&button, nID);
    button.SetSkin(skin.nNormal, skin.nDown, skin.nOver, 0, 0, skin.nMask, 0, 0, skin.nMargin,
                   rcFocusMargins);
    button.move(ptAt);
}

} // namespace

CConfigurationDlg::CConfigurationDlg(QWidget* pParent)
    : QDialog(pParent), m_btnShowMonitor(this, SkinButtonKind::Check), m_btnOK(this),
      m_btnCancel(this), m_btnClose(this), m_bmpBackground(CBitmapRegistry::Load(kBackgroundBitmap))
{
    setWindowTitle(QStringLiteral("Configuration"));
    setModal(true);
    CBorderlessWindow::MakeBorderless(this);
    new CBorderlessWindow(this, [this] { reject(); });
    setAttribute(Qt::WA_OpaquePaintEvent);
    CenterOnOwner();
    setFixedSize(m_bmpBackground.size());
    CreateButtons();
}

void CConfigurationDlg::CreateButtons()
{
    // The check box has no caption: the background carries "Show Stroke Monitor".
    Skin(m_btnShowMonitor, IDC_SHOW_STROKE_MONITOR, kCheckSkin, {10, 42}, kCheckFocusMargins);
    m_btnOK.setText(QStringLiteral("&OK"));
    Skin(m_btnOK, kIdOk, kPushSkin, {292, 164});
    m_btnCancel.setText(QStringLiteral("&Cancel"));
    Skin(m_btnCancel, kIdCancel, kPushSkin, {370, 164});
    Skin(m_btnClose, IDC_BTN_CLOSE_DIALOG, kCloseSkin, {width() - 33, 3});
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

bool CConfigurationDlg::event(QEvent* pEvent)
{
    const CMessageEvent* pMessage = CMessageEvent::From(pEvent);
    if (pMessage != nullptr && pMessage->Message() == platform::kWmCommand)
        return OnCommand(static_cast<int>(pMessage->WParam()));
    return QDialog::event(pEvent);
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
