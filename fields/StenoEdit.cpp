#include "fields/StenoEdit.h"

#include "platform/Drawing.h"
#include "platform/Fonts.h"
#include "platform/KeyTranslation.h"
#include "fields/FieldNotice.h"
#include "fields/StenoEditLayout.h"
#include "steno/StenoEncoder.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

CStenoEdit::CStenoEdit(QWidget* pParent)
    : QWidget(pParent), m_font(platform::MakeFont(fields::DefaultFieldFont()))
{
    setFocusPolicy(Qt::ClickFocus);
}

void CStenoEdit::SetKeys(std::uint32_t keys)
{
    m_state.SetKeys(keys);
    update();
}

std::uint32_t CStenoEdit::Keys() const
{
    return m_state.Keys();
}

void CStenoEdit::SetFontDesc(const platform::FontDesc& desc)
{
    m_font = platform::MakeFont(desc);
    update();
}

bool CStenoEdit::IsLeft() const
{
    return m_state.IsLeft();
}

bool CStenoEdit::event(QEvent* pEvent)
{
    if (HandleKeyEvent(pEvent))
        return true;
    return QWidget::event(pEvent);
}

// Every key-down without Alt is the field's, taken before Qt moves the focus
// on Tab and claimed against shortcuts; keys with Alt go on to the accelerators.
bool CStenoEdit::HandleKeyEvent(QEvent* pEvent)
{
    const QEvent::Type type = pEvent->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    const platform::KeyInput key = platform::TranslateKey(*static_cast<QKeyEvent*>(pEvent));
    if (key.bAlt)
        return false;
    pEvent->accept();
    if (type != QEvent::KeyPress)
        return true;
    if (const auto notice = fields::FieldNoticeOf(key))
        emit Notice(*notice);
    else if (m_state.KeyDown(key))
        update();
    return true;
}

void CStenoEdit::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(m_font);
    const int nHyphen = platform::TextExtent(m_font, L"-").cx;
    const fields::StenoEditLayout layout =
        fields::LayOutStenoEdit(platform::FromQRect(rect()), nHyphen);
    platform::FillSolidRect(painter, layout.rcFill, platform::kWhite);
    if (hasFocus())
        platform::DrawFocusRect(painter, m_state.IsLeft() ? layout.rcLeft : layout.rcRight);
    const fields::StenoEditTexts texts =
        fields::SplitStenoText(CStenoEncoder().KeysToSteno(m_state.Keys()));
    constexpr platform::TextFlags kFlags =
        platform::kDtCenter | platform::kDtVCenter | platform::kDtSingleLine;
    platform::SetTextColor(painter, platform::kBlack);
    platform::DrawText(painter, layout.rcHyphen, L"-", kFlags);
    platform::DrawText(painter, layout.rcLeftText, texts.strLeft, kFlags);
    platform::DrawText(painter, layout.rcRightText, texts.strRight, kFlags);
}

void CStenoEdit::mousePressEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(pEvent);
    setFocus(Qt::MouseFocusReason);
    m_state.Click(pEvent->position().toPoint().x(), 0, width());
    update();
}

void CStenoEdit::focusInEvent(QFocusEvent*)
{
    update();
}

void CStenoEdit::focusOutEvent(QFocusEvent*)
{
    update();
}
