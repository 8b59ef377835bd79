#include "fields/TimeViewCtrl.h"

#include "fields/TimeFieldDrawing.h"
#include "platform/Drawing.h"
#include "platform/Fonts.h"
#include "platform/KeyTranslation.h"
#include "fields/FieldNotice.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <ctime>

CTimeViewCtrl::CTimeViewCtrl(QWidget* pParent)
    : QWidget(pParent), m_measurer(platform::MakeFont(fields::DefaultFieldFont()))
{
    setFocusPolicy(Qt::ClickFocus);
    ApplyFont(fields::DefaultFieldFont());
}

void CTimeViewCtrl::SetTime(std::int64_t time)
{
    m_state.SetTime(time);
    update();
}

std::int64_t CTimeViewCtrl::Time() const
{
    return m_state.Time();
}

void CTimeViewCtrl::SetFontDesc(const platform::FontDesc& desc)
{
    ApplyFont(desc);
}

void CTimeViewCtrl::ApplyFont(const platform::FontDesc& desc)
{
    m_measurer = QtTextMeasurer(platform::MakeFont(desc));
    setFixedWidth(fields::TimeFieldWidth(m_measurer));
    update();
}

bool CTimeViewCtrl::event(QEvent* pEvent)
{
    if (HandleKeyEvent(pEvent))
        return true;
    return QWidget::event(pEvent);
}

// Tab, Enter, Esc and the arrows are taken here, before Qt moves the focus on
// Tab and against shortcuts; every other key acts (digits) and goes on to the
// owner, and from there to the list.
bool CTimeViewCtrl::HandleKeyEvent(QEvent* pEvent)
{
    const QEvent::Type type = pEvent->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    const platform::KeyInput key = platform::TranslateKey(*static_cast<QKeyEvent*>(pEvent));
    const auto notice = fields::FieldNoticeOf(key);
    if (type == QEvent::ShortcutOverride) {
        const bool bTaken = notice || fields::CTimeFieldState::Swallows(key);
        pEvent->setAccepted(bTaken);
        return bTaken;
    }
    if (notice) {
        emit Notice(*notice);
        return true;
    }
    const bool bSwallowed = m_state.KeyDown(key);
    update();
    pEvent->setAccepted(bSwallowed);
    return bSwallowed;
}

void CTimeViewCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(m_measurer.Font());
    const platform::Rect rcClient = platform::FromQRect(rect());
    platform::FillSolidRect(painter, rcClient, platform::kWhite);
    platform::SetBkMode(painter, platform::BkMode::Transparent);
    platform::SetTextColor(painter, platform::kBlack);
    for (const fields::TimeFieldText& text :
         fields::TimeFieldLayout(m_state, hasFocus(), m_measurer, rcClient)) {
        if (text.bHighlight) {
            platform::SetBkMode(painter, platform::BkMode::Opaque);
            platform::SetTextColor(painter, platform::kWhite);
            platform::SetBkColor(painter, platform::kBlack);
        }
        platform::DrawText(painter, text.rc, text.strText, text.nFlags);
        platform::SetBkMode(painter, platform::BkMode::Transparent);
        platform::SetTextColor(painter, platform::kBlack);
    }
}

void CTimeViewCtrl::mousePressEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(pEvent);
    setFocus(Qt::MouseFocusReason);
}

void CTimeViewCtrl::focusInEvent(QFocusEvent*)
{
    m_state.TakeTimeIfUnset(static_cast<std::int64_t>(std::time(nullptr)));
    update();
}

void CTimeViewCtrl::focusOutEvent(QFocusEvent*)
{
    update();
}
