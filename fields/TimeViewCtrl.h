#pragma once
// The time field of the stroke editor: one time of day as hour, minute, second
// and AM/PM, changed from the keyboard. Tab, Enter and Esc go to the owner as
// notices, delivered before the next key; keys it does not swallow go on to the owner.

#include "fields/FieldNotice.h"
#include "fields/TimeFieldState.h"
#include "platform/QtTextMeasurer.h"
#include "platform/core/FontDesc.h"

#include <QWidget>

#include <cstdint>

class CTimeViewCtrl : public QWidget
{
    Q_OBJECT

public:
    explicit CTimeViewCtrl(QWidget* pParent);

    void SetTime(std::int64_t time);
    std::int64_t Time() const;
    /// The owner's copy of its font; the field then takes the width the font
    /// gives it, whatever width the owner sets.
    void SetFontDesc(const platform::FontDesc& desc);

signals:
    /// Tab, Shift+Tab, Enter or Esc; the owner acts on it before the field returns.
    void Notice(fields::FieldNotice notice);

protected:
    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void focusInEvent(QFocusEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;

private:
    bool HandleKeyEvent(QEvent* pEvent);
    void ApplyFont(const platform::FontDesc& desc);

    fields::CTimeFieldState m_state;
    QtTextMeasurer m_measurer;
};
