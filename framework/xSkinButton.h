#pragma once
// A push or check button drawn entirely from bitmaps, shaped by a mask.
// Every button of the program is one of these; its caption is drawn over the
// bitmap, and clicking it sends its control identifier to its parent as a command.

#include "platform/core/ColorRef.h"
#include "framework/SkinIds.h"
#include "platform/core/Geometry.h"

#include <QAbstractButton>
#include <QPixmap>
#include <QRegion>

#include <optional>

enum class SkinButtonKind { Push, Check };

class CxSkinButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit CxSkinButton(QWidget* pParent = nullptr, SkinButtonKind kind = SkinButtonKind::Push);

    SkinButtonKind Kind() const { return m_kind; }

    /// Applies the bitmaps (by number) and the layout values. Returns 0 and does
    /// nothing when nNormal is the skin already applied, else 1. The disabled and
    /// focus bitmaps and the two further numbers are accepted for the callers'
    /// sake and not used: a disabled button shows its normal bitmap.
    int SetSkin(int nNormal, int nDown, int nOver, int nDisabled, int nFocus, int nMask,
                int nReserved1, int nReserved2, int nTextMargin,
                const platform::Rect& rcFocusMargins = {},
                const platform::Rect& rcReservedMargins = {});
    /// The same from one entry of the program's skin table.
    int SetSkin(const framework::ButtonSkinIds& skin, int nTextMargin = 0,
                const platform::Rect& rcFocusMargins = {});
    /// A dialog's button: its command id, its skin and its place, at once.
    void Place(int nID, const framework::ButtonSkinIds& skin, platform::Point ptAt,
               int nTextMargin = 0, const platform::Rect& rcFocusMargins = {});

    /// Checked state of a check button; a push button is never checked.
    void SetCheck(bool bChecked);
    bool GetCheck() const { return m_bChecked; }

    void SetTextColor(platform::ColorRef color);

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void leaveEvent(QEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;
    bool hitButton(const QPoint& pos) const override;
    QSize sizeHint() const override;

private:
    void ApplyRegion(const QPixmap& mask);
    void TakeCheckFromClick();
    void SendClickCommand();
    void DrawDisabled(QPainter& painter, const platform::Rect& rcText);

    SkinButtonKind m_kind;
    bool m_bChecked = false;
    bool m_bHover = false;
    bool m_bPressed = false;
    QPixmap m_bmpNormal;
    QPixmap m_bmpDown;
    QPixmap m_bmpOver;
    QPixmap m_bmpDisabled;
    QPixmap m_bmpMask;
    std::optional<int> m_nNormalSkin;
    QRegion m_region;
    std::optional<platform::ColorRef> m_textColor;
    int m_nTextMargin = 0;
    platform::Rect m_rcFocusMargins;
    platform::Rect m_rcReservedMargins;
};
