#pragma once
// The typed-steno field: the user builds one stroke's keys with an ordinary
// keyboard, letter chords on the current side. Its owner puts keys in and reads
// them back; Tab, Enter and Esc go to the owner as notices,
// delivered before the next key.

#include "platform/core/FontDesc.h"
#include "fields/FieldNotice.h"
#include "fields/StenoEditState.h"

#include <QFont>
#include <QWidget>

#include <cstdint>

class CStenoEdit : public QWidget
{
    Q_OBJECT

public:
    explicit CStenoEdit(QWidget* pParent);

    void SetKeys(std::uint32_t keys);
    std::uint32_t Keys() const;
    /// The owner's copy of its font; replaces the field's own.
    void SetFontDesc(const platform::FontDesc& desc);
    /// True while the left side is current.
    bool IsLeft() const;

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

    fields::CStenoEditState m_state;
    QFont m_font;
};
