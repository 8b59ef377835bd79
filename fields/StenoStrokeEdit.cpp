#include "fields/StenoStrokeEdit.h"

#include "fields/TimeViewCtrl.h"
#include "platform/DialogControls.h"
#include "platform/Drawing.h"
#include "platform/Fonts.h"
#include "fields/StenoEdit.h"

#include <QApplication>
#include <QPainter>

CStenoStrokeEdit::CStenoStrokeEdit(QWidget* pList) : QWidget(pList)
{
    m_pTimeCtrl = new CTimeViewCtrl(this);
    platform::SetControlId(m_pTimeCtrl, kTimeFieldId);
    m_pStenoEdit = new CStenoEdit(this);
    platform::SetControlId(m_pStenoEdit, kKeysFieldId);
    connect(m_pTimeCtrl, &CTimeViewCtrl::Notice, this, &CStenoStrokeEdit::OnFieldNotice);
    connect(m_pStenoEdit, &CStenoEdit::Notice, this, &CStenoStrokeEdit::OnFieldNotice);
    hide();
}

void CStenoStrokeEdit::BeginEdit(std::int64_t time, std::uint32_t keys,
                                 const fields::StrokeEditPlacement& placement)
{
    m_rcTime = placement.rcTime;
    m_rcKeys = placement.rcKeys;
    m_pStenoEdit->SetKeys(keys);
    m_keys = keys;
    m_pTimeCtrl->SetTime(time);
    setGeometry(platform::ToQRect(placement.rcEditor));
    PlaceField(*m_pTimeCtrl, m_rcTime);
    PlaceField(*m_pStenoEdit, m_rcKeys);
    // The list keeps its editor while the focus moves into it, so one show serves.
    show();
    m_pTimeCtrl->setFocus(Qt::OtherFocusReason);
}

// The fields are as high as the row but stand inside the border: what would
// cover the border is cut off.
void CStenoStrokeEdit::PlaceField(QWidget& field, const platform::Rect& rc)
{
    const QRect rcField = platform::ToQRect(fields::ClientToEditor(rc));
    field.setGeometry(rcField);
    const QRect rcClient = platform::ToQRect(fields::StrokeEditClient(width(), height()));
    field.setMask(QRegion(rcClient.translated(-rcField.topLeft())));
}

void CStenoStrokeEdit::Close()
{
    // Qt would hand the focus of a hidden field to the next control in the window.
    if (Owns(window()->focusWidget()))
        parentWidget()->setFocus(Qt::OtherFocusReason);
    hide();
}

void CStenoStrokeEdit::SetFontDesc(const platform::FontDesc& desc)
{
    setFont(platform::MakeFont(desc));
    m_pTimeCtrl->SetFontDesc(desc);
    m_pStenoEdit->SetFontDesc(desc);
}

bool CStenoStrokeEdit::Owns(const QObject* pObject) const
{
    return pObject == this || pObject == m_pTimeCtrl || pObject == m_pStenoEdit;
}

// The application's focus: while a message box or another window has it, the
// editor has lost it even though its window still remembers a field there.
bool CStenoStrokeEdit::HasFocusInside() const
{
    return Owns(QApplication::focusWidget());
}

void CStenoStrokeEdit::OnFieldNotice(fields::FieldNotice notice)
{
    switch (notice) {
    case fields::FieldNotice::Tab:
    case fields::FieldNotice::BackTab:
        return SwitchField();
    case fields::FieldNotice::Enter:
        return Finish(true);
    case fields::FieldNotice::Escape:
        return Finish(false);
    }
}

// Tab and Shift+Tab alike: with two fields both go to the other one.
void CStenoStrokeEdit::SwitchField()
{
    QWidget* pNext = m_pTimeCtrl->hasFocus() ? static_cast<QWidget*>(m_pStenoEdit)
                                             : static_cast<QWidget*>(m_pTimeCtrl);
    pNext->setFocus(Qt::TabFocusReason);
    m_pTimeCtrl->update();
    m_pStenoEdit->update();
}

void CStenoStrokeEdit::Finish(bool bCommit)
{
    if (bCommit) {
        m_time = m_pTimeCtrl->Time();
        m_keys = m_pStenoEdit->Keys();
    }
    Close();
    emit Finished(bCommit);
}

// An editor that lost the focus to anything else goes away unseen, its edit dropped.
void CStenoStrokeEdit::paintEvent(QPaintEvent*)
{
    if (!HasFocusInside()) {
        hide();
        return;
    }
    QPainter painter(this);
    platform::FillSolidRect(painter, platform::FromQRect(rect()), platform::kBlack);
    platform::FillSolidRect(painter, fields::StrokeEditClient(width(), height()),
                            platform::kWhite);
}
