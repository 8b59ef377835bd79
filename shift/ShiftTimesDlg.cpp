#include "shift/ShiftTimesDlg.h"

#include "base/LocalTime.h"
#include "document/DocumentFlows.h"
#include "document/StrokeDocument.h"
#include "framework/BorderlessWindow.h"
#include "framework/CommandIds.h"
#include "framework/SkinButtonRules.h"
#include "framework/SkinIds.h"
#include "platform/BitmapRegistry.h"
#include "platform/CommandEvent.h"
#include "platform/DialogControls.h"
#include "platform/Drawing.h"
#include "platform/Fonts.h"
#include "platform/KeyTranslation.h"
#include "search/SearchDialogLayout.h"
#include "shift/ShiftTimesLayout.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

using namespace framework;
using namespace shift;

namespace {

constexpr int kPushMargin = 5;
constexpr int kVkB = platform::kVkA + ('B' - 'A');
constexpr int kVkM = platform::kVkA + ('M' - 'A');
constexpr platform::TextFlags kScopeFlags =
    platform::kDtLeft | platform::kDtVCenter | platform::kDtSingleLine;

/// The current stroke's time of day, which the second choice starts from.
QString CurrentTimeText(const doc::CStrokeDocument& document)
{
    const int nCurrent = document.Current();
    if (nCurrent == -1)
        return {};
    return QString::fromStdWString(
        base::FormatLocalTime(document.Stroke(nCurrent).m_time, "%H:%M:%S"));
}

} // namespace

CShiftTimesDlg::CShiftTimesDlg(const doc::CStrokeDocument& document, doc::CDocumentFlows& flows,
                               QWidget* pOwner)
    : CCommandDialog(pOwner), m_flows(flows), m_btnByAmount(this, SkinButtonKind::Check),
      m_btnToTime(this, SkinButtonKind::Check), m_btnShift(this), m_btnCancel(this),
      m_btnClose(this), m_bmpBackground(CBitmapRegistry::Load(kShiftTimesBackground)),
      m_scopeFont(platform::MakeFont(ScopeFont()))
{
    setWindowTitle(QStringLiteral("Shift Times"));
    setModal(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(kShiftTimesSize.cx, kShiftTimesSize.cy);
    setFont(platform::MakeFont(search::DialogFont()));
    // Dragging the body moves the dialog.
    new CBorderlessWindow(this);
    const doc::StrokeRange range = document.SelectionOrAll();
    m_strScope = ShiftScopeText(range.nFirst, range.nLast, document.Count());
    // Created in Tab order: the fields, then the push buttons.
    m_pAmount =
        CreateField(kIdAmountField, QStringLiteral("+00:00:00"), QStringLiteral("+HH:MM:SS.mmm"));
    m_pTime = CreateField(kIdTimeField, CurrentTimeText(document), QStringLiteral("HH:MM:SS"));
    CreateButtons();
    if (pOwner != nullptr) {
        const platform::Point ptAt =
            search::CentreOver(platform::FromQRect(pOwner->geometry()), {width(), height()});
        move(ptAt.x, ptAt.y);
    }
    Choose(ShiftKind::ByAmount);
}

QLineEdit* CShiftTimesDlg::CreateField(int nID, const QString& strText, const QString& strHint)
{
    auto* pField = new QLineEdit(strText, this);
    platform::SetControlId(pField, nID);
    pField->setGeometry(platform::ToQRect(nID == kIdAmountField ? kAmountField : kTimeField));
    pField->setFont(platform::MakeFont(search::FieldFont()));
    pField->setFrame(false);
    pField->setAlignment(Qt::AlignCenter);
    pField->setPlaceholderText(strHint);
    // Typing in a field chooses it.
    pField->installEventFilter(this);
    return pField;
}

void CShiftTimesDlg::CreateButtons()
{
    // The boxes have no captions: the background carries their labels. The
    // fields take the keyboard; Alt+B and Alt+M choose from it.
    m_btnByAmount.Place(kIdByAmountBox, kSkinCheckBox, kByAmountBox);
    m_btnToTime.Place(kIdToTimeBox, kSkinCheckBox, kToTimeBox);
    m_btnByAmount.setFocusPolicy(Qt::NoFocus);
    m_btnToTime.setFocusPolicy(Qt::NoFocus);
    m_btnShift.setText(QStringLiteral("&Shift"));
    m_btnShift.Place(kIdOk, kSkinDialogButton, kShiftButton, kPushMargin);
    m_btnCancel.setText(QStringLiteral("&Cancel"));
    m_btnCancel.Place(kIdCancel, kSkinDialogButton, kCancelButton, kPushMargin);
    m_btnClose.Place(IDC_BTN_CLOSE_DIALOG, kSkinClose, CloseButtonPlace(width()));
    m_btnClose.setFocusPolicy(Qt::NoFocus);
}

QLineEdit* CShiftTimesDlg::Field(ShiftKind kind) const
{
    return kind == ShiftKind::ByAmount ? m_pAmount : m_pTime;
}

void CShiftTimesDlg::Choose(ShiftKind kind)
{
    m_kind = kind;
    m_btnByAmount.SetCheck(kind == ShiftKind::ByAmount);
    m_btnToTime.SetCheck(kind == ShiftKind::CurrentToTimeOfDay);
    QLineEdit* pField = Field(kind);
    if (!pField->hasFocus())
        pField->setFocus(Qt::OtherFocusReason);
    pField->selectAll();
}

bool CShiftTimesDlg::OnCommand(int nID)
{
    switch (nID) {
    case kIdByAmountBox:
        Choose(ShiftKind::ByAmount);
        return true;
    case kIdToTimeBox:
        Choose(ShiftKind::CurrentToTimeOfDay);
        return true;
    case kIdOk:
        OnShift();
        return true;
    case kIdCancel:
    case IDC_BTN_CLOSE_DIALOG:
        reject();
        return true;
    default:
        return false;
    }
}

void CShiftTimesDlg::OnShift()
{
    QLineEdit* pField = Field(m_kind);
    if (m_flows.ShiftTimes(pField->text().trimmed().toLatin1().toStdString(), m_kind))
        return accept();
    // The message has been shown: the text stays to be corrected.
    pField->setFocus(Qt::OtherFocusReason);
    pField->selectAll();
}

bool CShiftTimesDlg::ChooseByKey(const platform::KeyInput& key)
{
    if (!key.bAlt || (key.nVirtualKey != kVkB && key.nVirtualKey != kVkM))
        return false;
    Choose(key.nVirtualKey == kVkB ? ShiftKind::ByAmount : ShiftKind::CurrentToTimeOfDay);
    return true;
}

// A field would type the letter of Alt+B or Alt+M; the focus coming into a
// field chooses it.
bool CShiftTimesDlg::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched != m_pAmount && pWatched != m_pTime)
        return QDialog::eventFilter(pWatched, pEvent);
    if (pEvent->type() == QEvent::KeyPress)
        return ChooseByKey(platform::TranslateKey(*static_cast<QKeyEvent*>(pEvent)));
    const ShiftKind kind =
        pWatched == m_pAmount ? ShiftKind::ByAmount : ShiftKind::CurrentToTimeOfDay;
    if (pEvent->type() == QEvent::FocusIn && kind != m_kind)
        Choose(kind);
    return false;
}

void CShiftTimesDlg::keyPressEvent(QKeyEvent* pEvent)
{
    // Keys the fields and buttons left: Alt+B and Alt+M choose, Enter presses
    // the focused push button or Shift; Esc is reject().
    const platform::KeyInput key = platform::TranslateKey(*pEvent);
    if (ChooseByKey(key))
        return;
    if (key.nVirtualKey != platform::kVkReturn)
        return QDialog::keyPressEvent(pEvent);
    auto* pButton = qobject_cast<CxSkinButton*>(focusWidget());
    if (pButton != nullptr)
        pButton->click();
    else
        OnShift();
}

void CShiftTimesDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    platform::CopyBitmap(painter, 0, 0, m_bmpBackground);
    painter.setFont(m_scopeFont);
    platform::SetBkMode(painter, platform::BkMode::Transparent);
    platform::SetTextColor(painter, platform::kBlack);
    platform::DrawText(painter, kScopeLine, m_strScope, kScopeFlags);
}
