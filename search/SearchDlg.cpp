#include "search/SearchDlg.h"

#include "framework/BorderlessWindow.h"
#include "framework/CommandIds.h"
#include "framework/SkinButtonRules.h"
#include "framework/SkinIds.h"
#include "platform/BitmapRegistry.h"
#include "platform/DialogControls.h"
#include "platform/Drawing.h"
#include "platform/Fonts.h"
#include "platform/CommandEvent.h"
#include "fields/StenoEdit.h"

#include <QKeyEvent>
#include <QPainter>

using framework::IDC_BTN_CLOSE_DIALOG;

namespace {

constexpr int kButtonTextMargin = 5;

} // namespace

CSearchDlg::CSearchDlg(search::SearchDialogKind kind, doc::CDocumentFlows& flows,
                       QWidget* pOwner)
    : QDialog(pOwner), m_kind(kind), m_flows(flows)
{
    const search::SearchDialogLayout layout = search::LayoutOf(kind);
    m_bmpBackground = CBitmapRegistry::Load(layout.nBackground);
    setModal(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(layout.size.cx, layout.size.cy);
    setFont(platform::MakeFont(search::DialogFont()));
    CreateButtons(layout);
    // Dragging the body moves the dialog.
    new CBorderlessWindow(this);
    hide();
}

void CSearchDlg::CreateButtons(const search::SearchDialogLayout& layout)
{
    for (const search::SearchButtonPlace& place : layout.buttons) {
        auto* pButton = new CxSkinButton(this);
        platform::SetControlId(pButton, place.nId);
        pButton->setText(QString::fromWCharArray(place.pszCaption));
        pButton->move(place.topLeft.x, place.topLeft.y);
        pButton->SetSkin(framework::kSkinDialogButton, kButtonTextMargin);
    }
    auto* pClose = new CxSkinButton(this);
    platform::SetControlId(pClose, IDC_BTN_CLOSE_DIALOG);
    const platform::Point ptClose = framework::CloseButtonPlace(layout.size.cx);
    pClose->move(ptClose.x, ptClose.y);
    // Esc does the same from the keyboard.
    pClose->setFocusPolicy(Qt::NoFocus);
    pClose->SetSkin(framework::kSkinClose);
}

CStenoEdit* CSearchDlg::CreateKeysField(int nID)
{
    auto* pField = new CStenoEdit(this);
    platform::SetControlId(pField, nID);
    pField->setGeometry(FieldRect(nID));
    pField->SetFontDesc(search::FieldFont());
    // A tab stop: Tab from the last button comes back to the field.
    pField->setFocusPolicy(Qt::StrongFocus);
    connect(pField, &CStenoEdit::Notice, this, &CSearchDlg::OnFieldNotice);
    return pField;
}

QRect CSearchDlg::FieldRect(int nID) const
{
    for (const search::SearchFieldPlace& place : search::LayoutOf(m_kind).fields) {
        if (place.nId == nID)
            return platform::ToQRect(place.rc);
    }
    return {};
}

void CSearchDlg::CentreOver(const platform::Rect& rcOwner)
{
    const platform::Point ptAt = search::CentreOver(rcOwner, {width(), height()});
    move(ptAt.x, ptAt.y);
}

QWidget* CSearchDlg::Control(int nID) const
{
    return platform::FindControl(this, nID);
}

void CSearchDlg::ShowWithFocus(QWidget* pFocus)
{
    show();
    raise();
    activateWindow();
    pFocus->setFocus(Qt::OtherFocusReason);
    pFocus->update();
}

bool CSearchDlg::event(QEvent* pEvent)
{
    return OnCommand(pEvent) || QDialog::event(pEvent);
}

// The skinned buttons send their clicks as commands.
bool CSearchDlg::OnCommand(QEvent* pEvent)
{
    const std::optional<int> nID = platform::CommandOf(pEvent);
    if (!nID)
        return false;
    OnButton(*nID);
    return true;
}

void CSearchDlg::OnFieldNotice(fields::FieldNotice notice)
{
    switch (notice) {
    case fields::FieldNotice::Tab:
    case fields::FieldNotice::BackTab:
        return OnTab(notice == fields::FieldNotice::BackTab);
    case fields::FieldNotice::Escape:
        return OnButton(framework::kIdCancel);
    case fields::FieldNotice::Enter:
        // A search runs only from the buttons.
        return;
    }
}

void CSearchDlg::OnButton(int nID)
{
    const search::ButtonAction action = search::ActionOf(m_kind, nID);
    if (action == search::ButtonAction::None)
        return;
    if (action != search::ButtonAction::Hide)
        return Run(action);
    OnHidden();
    hide();
}

void CSearchDlg::OnTab(bool bShift)
{
    const int nFocus = platform::ControlId(focusWidget());
    if (const auto nTarget = search::TabTarget(m_kind, nFocus, bShift)) {
        if (QWidget* pTarget = Control(*nTarget))
            pTarget->setFocus(bShift ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    }
}

void CSearchDlg::keyPressEvent(QKeyEvent* pEvent)
{
    // Keys the focused control left: Enter presses the focused button, or the
    // action button elsewhere (the time picker); Esc is reject().
    const int nKey = pEvent->key();
    if (nKey != Qt::Key_Return && nKey != Qt::Key_Enter)
        return QDialog::keyPressEvent(pEvent);
    auto* pButton = qobject_cast<CxSkinButton*>(focusWidget());
    if (pButton != nullptr)
        pButton->click();
    else
        OnButton(framework::kIdOk);
}

void CSearchDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    platform::CopyBitmap(painter, 0, 0, m_bmpBackground);
}

void CSearchDlg::reject()
{
    // Esc and the window manager's close are Cancel.
    OnButton(framework::kIdCancel);
}
