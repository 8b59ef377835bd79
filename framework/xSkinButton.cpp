#include "framework/xSkinButton.h"

#include "framework/MaskRegion.h"
#include "framework/SkinButtonRules.h"
#include "platform/BitmapRegistry.h"
#include "platform/DialogControls.h"
#include "platform/Drawing.h"
#include "platform/CommandEvent.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

using namespace platform;
using framework::SkinFace;

namespace {

constexpr TextFlags kCaptionFlags = kDtCenter | kDtVCenter | kDtSingleLine;

QRegion RegionOf(const QPixmap& mask)
{
    const QImage image = mask.toImage().convertToFormat(QImage::Format_RGB32);
    const int nStride = static_cast<int>(image.bytesPerLine() / 4);
    const auto* pPixels = reinterpret_cast<const std::uint32_t*>(image.constBits());
    const std::size_t nCount =
        static_cast<std::size_t>(nStride) * static_cast<std::size_t>(image.height());
    QRegion region;
    for (const Rect& rc :
         framework::RegionFromMask({{pPixels, nCount}, image.width(), image.height(), nStride}))
        region += ToQRect(rc);
    return region;
}

} // namespace

CxSkinButton::CxSkinButton(QWidget* pParent, SkinButtonKind kind)
    : QAbstractButton(pParent), m_kind(kind)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // The bitmap covers the whole button: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(this, &QAbstractButton::clicked, this, &CxSkinButton::SendClickCommand);
}

int CxSkinButton::SetSkin(const framework::ButtonSkinIds& skin, int nTextMargin,
                          const Rect& rcFocusMargins)
{
    return SetSkin(skin.nNormal, skin.nDown, skin.nOver, 0, 0, skin.nMask, 0, 0, nTextMargin,
                   rcFocusMargins);
}

void CxSkinButton::Place(int nID, const framework::ButtonSkinIds& skin, platform::Point ptAt,
                         int nTextMargin, const platform::Rect& rcFocusMargins)
{
    platform::SetControlId(this, nID);
    SetSkin(skin, nTextMargin, rcFocusMargins);
    move(ptAt.x, ptAt.y);
}

int CxSkinButton::SetSkin(int nNormal, int nDown, int nOver, int /*nDisabled*/, int /*nFocus*/,
                          int nMask, int /*nReserved1*/, int /*nReserved2*/, int nTextMargin,
                          const Rect& rcFocusMargins, const Rect& rcReservedMargins)
{
    if (m_nNormalSkin == nNormal)
        return 0;
    m_nNormalSkin = nNormal;
    m_bmpNormal = CBitmapRegistry::Load(nNormal);
    m_bmpDown = CBitmapRegistry::Load(nDown);
    m_bmpOver = CBitmapRegistry::Load(nOver);
    m_bmpDisabled = m_bmpNormal;
    m_bmpMask = CBitmapRegistry::Load(nMask);
    m_nTextMargin = std::max(0, nTextMargin);
    m_rcFocusMargins = rcFocusMargins;
    m_rcReservedMargins = rcReservedMargins;
    ApplyRegion(m_bmpMask);
    update();
    return 1;
}

void CxSkinButton::ApplyRegion(const QPixmap& mask)
{
    if (mask.isNull()) {
        m_region = QRegion();
        clearMask();
        return;
    }
    m_region = RegionOf(mask);
    resize(mask.size());
    // An empty mask would mean "no mask" to Qt; a button shaped by an all-white
    // mask must show nothing, so give it a region outside itself.
    setMask(m_region.isEmpty() ? QRegion(-1, -1, 1, 1) : m_region);
}

void CxSkinButton::SetCheck(bool bChecked)
{
    m_bChecked = bChecked && m_kind == SkinButtonKind::Check;
    update();
}

void CxSkinButton::SetTextColor(ColorRef color)
{
    m_textColor = color;
    update();
}

void CxSkinButton::SendClickCommand()
{
    const int nID = ControlId(this);
    if (nID != 0)
        SendCommand(parentWidget(), nID);
}

void CxSkinButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    SetBkMode(painter, BkMode::Transparent);
    const Rect rcButton = FromQRect(rect());
    const SkinFace face = framework::ChooseFace({isEnabled(), isDown(), m_bChecked, m_bHover});
    const Rect rcText = framework::SkinTextRect(rcButton, m_nTextMargin, face);
    if (face == SkinFace::Disabled) {
        DrawDisabled(painter, rcText);
        return;
    }
    const QPixmap& bitmap = face == SkinFace::Down   ? m_bmpDown
                            : face == SkinFace::Over ? m_bmpOver
                                                     : m_bmpNormal;
    CopyBitmap(painter, 0, 0, bitmap);
    if (hasFocus()) {
        if (const auto rcFocus =
                framework::SkinFocusRect(rcButton, m_nTextMargin, m_rcFocusMargins))
            DrawFocusRect(painter, *rcFocus);
    }
    painter.setPen(m_textColor ? ToQColor(*m_textColor) : palette().color(QPalette::ButtonText));
    DrawText(painter, rcText, text().toStdWString(), kCaptionFlags);
}

void CxSkinButton::DrawDisabled(QPainter& painter, const Rect& rcText)
{
    CopyBitmap(painter, 0, 0, m_bmpDisabled);
    const std::wstring strCaption = text().toStdWString();
    painter.setPen(palette().color(QPalette::Light));
    DrawText(painter, rcText, strCaption, kCaptionFlags);
    painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
    const Rect rcShadow{rcText.left - 1, rcText.top - 1, rcText.right - 1, rcText.bottom - 1};
    DrawText(painter, rcShadow, strCaption, kCaptionFlags);
}

void CxSkinButton::mousePressEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::LeftButton)
        m_bPressed = true;
    QAbstractButton::mousePressEvent(pEvent);
}

void CxSkinButton::mouseMoveEvent(QMouseEvent* pEvent)
{
    // While pressed, the base class keeps the pushed look in step with the pointer.
    QAbstractButton::mouseMoveEvent(pEvent);
    if (m_bHover || !hitButton(pEvent->position().toPoint()))
        return;
    m_bHover = true;
    update();
}

void CxSkinButton::mouseReleaseEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::LeftButton && m_bPressed && hitButton(pEvent->position().toPoint()))
        TakeCheckFromClick();
    m_bPressed = false;
    QAbstractButton::mouseReleaseEvent(pEvent);
}

void CxSkinButton::leaveEvent(QEvent* pEvent)
{
    m_bHover = false;
    update();
    QAbstractButton::leaveEvent(pEvent);
}

void CxSkinButton::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() == Qt::Key_Space && !pEvent->isAutoRepeat())
        TakeCheckFromClick();
    QAbstractButton::keyPressEvent(pEvent);
}

void CxSkinButton::focusOutEvent(QFocusEvent* pEvent)
{
    if (m_bPressed) {
        m_bPressed = false;
        setDown(false);
        if (mouseGrabber() == this)
            releaseMouse();
    }
    QAbstractButton::focusOutEvent(pEvent);
}

void CxSkinButton::TakeCheckFromClick()
{
    if (m_kind == SkinButtonKind::Check)
        SetCheck(!m_bChecked);
}

bool CxSkinButton::hitButton(const QPoint& pos) const
{
    if (m_bmpMask.isNull())
        return rect().contains(pos);
    return m_region.contains(pos);
}

QSize CxSkinButton::sizeHint() const
{
    return m_bmpMask.isNull() ? QSize(75, 23) : m_bmpMask.size();
}
