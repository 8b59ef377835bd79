#include "search/GotoTimeDlg.h"

#include "document/DocumentFlows.h"
#include "framework/CommandIds.h"
#include "platform/DialogControls.h"
#include "platform/Fonts.h"

#include <QDateTimeEdit>
#include <QKeyEvent>

CGotoTimeDlg::CGotoTimeDlg(doc::CDocumentFlows& flows, QWidget* pOwner)
    : CSearchDlg(search::SearchDialogKind::GotoTime, flows, pOwner),
      m_pPicker(new QDateTimeEdit(this))
{
    setWindowTitle(QStringLiteral("Goto Time"));
    platform::SetControlId(m_pPicker, framework::IDC_GOTO_TIME_PICKER);
    m_pPicker->setGeometry(FieldRect(framework::IDC_GOTO_TIME_PICKER));
    m_pPicker->setFont(platform::MakeFont(search::FieldFont()));
    // Hours, minutes and seconds only; the date stays the stroke's.
    m_pPicker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    m_pPicker->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pPicker->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    m_pPicker->setCalendarPopup(false);
    m_pPicker->setMinimumDateTime(QDateTime::fromSecsSinceEpoch(0));
    m_pPicker->setDateTime(QDateTime::fromSecsSinceEpoch(0));
    m_pPicker->installEventFilter(this);
}

void CGotoTimeDlg::Open(std::int64_t time)
{
    ShowWithFocus(m_pPicker);
    m_pPicker->setDateTime(QDateTime::fromSecsSinceEpoch(time));
}

std::int64_t CGotoTimeDlg::PickerTime() const
{
    return m_pPicker->dateTime().toSecsSinceEpoch();
}

void CGotoTimeDlg::Run(search::ButtonAction)
{
    Flows().GotoTime(PickerTime());
}

bool CGotoTimeDlg::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    // Tab leaves the picker for the buttons instead of stepping through its
    // hours, minutes and seconds; the arrow keys do that.
    if (pWatched == m_pPicker && pEvent->type() == QEvent::KeyPress) {
        const int nKey = static_cast<QKeyEvent*>(pEvent)->key();
        if (nKey == Qt::Key_Tab || nKey == Qt::Key_Backtab)
            return focusNextPrevChild(nKey == Qt::Key_Tab);
    }
    return CSearchDlg::eventFilter(pWatched, pEvent);
}
