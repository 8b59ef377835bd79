#include "platform/Drawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

#include <array>

namespace platform {
namespace {

QString ToQString(const std::wstring& strText)
{
    return QString::fromStdWString(strText);
}

Qt::Alignment AlignmentOf(TextFlags nFlags)
{
    Qt::Alignment align = Qt::AlignLeft;
    if (nFlags & kDtCenter)
        align = Qt::AlignHCenter;
    else if (nFlags & kDtRight)
        align = Qt::AlignRight;
    // Without single-line mode the vertical flags are ignored: the text stays at the top.
    if (!(nFlags & kDtSingleLine))
        return align | Qt::AlignTop;
    if (nFlags & kDtVCenter)
        return align | Qt::AlignVCenter;
    if (nFlags & kDtBottom)
        return align | Qt::AlignBottom;
    return align | Qt::AlignTop;
}

// Qt's mnemonic form: '&' doubled, the underlined character after a single '&'.
QString MnemonicText(const std::wstring& strText, int nUnderline)
{
    QString strOut;
    for (std::size_t i = 0; i < strText.size(); ++i) {
        if (static_cast<int>(i) == nUnderline)
            strOut += QLatin1Char('&');
        const QString strChar = QString::fromWCharArray(&strText[i], 1);
        strOut += strChar == QLatin1String("&") ? QStringLiteral("&&") : strChar;
    }
    return strOut;
}

PrefixedText PrepareText(const std::wstring& strText, TextFlags nFlags)
{
    if (nFlags & kDtNoPrefix)
        return {strText, -1};
    return ResolvePrefix(strText);
}

void Elide(PrefixedText& text, const QFontMetrics& metrics, int nWidth)
{
    const QString strFull = ToQString(text.strText);
    const QString strElided = metrics.elidedText(strFull, Qt::ElideRight, nWidth);
    if (strElided == strFull)
        return;
    text.strText = strElided.toStdWString();
    // The ellipsis replaced the tail; an underline there has nothing left to mark.
    if (text.nUnderline >= static_cast<int>(text.strText.size()) - 1)
        text.nUnderline = -1;
}

} // namespace

QColor ToQColor(ColorRef color)
{
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

QRect ToQRect(const Rect& rc)
{
    return QRect(rc.left, rc.top, rc.Width(), rc.Height());
}

Rect FromQRect(const QRect& rc)
{
    return {rc.x(), rc.y(), rc.x() + rc.width(), rc.y() + rc.height()};
}

void SetBkMode(QPainter& painter, BkMode mode)
{
    painter.setBackgroundMode(mode == BkMode::Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
}

void SetBkColor(QPainter& painter, ColorRef color)
{
    painter.setBackground(ToQColor(color));
}

void SetTextColor(QPainter& painter, ColorRef color)
{
    painter.setPen(ToQColor(color));
}

void FillSolidRect(QPainter& painter, const Rect& rc, ColorRef color)
{
    painter.fillRect(ToQRect(rc), ToQColor(color));
}

void TextOut(QPainter& painter, int x, int y, const std::wstring& strText)
{
    const QFontMetrics metrics(painter.font());
    // In opaque mode QPainter fills the text's cell with the background itself.
    painter.drawText(QPoint(x, y + metrics.ascent()), ToQString(strText));
}

void OutlinedTextOut(QPainter& painter, int x, int y, const std::wstring& strText, ColorRef outline,
                     ColorRef face)
{
    // The order of the copies matters only where antialiased edges overlap.
    constexpr std::array<Point, 8> kOffsets = {
        {{-1, -1}, {-1, 1}, {1, -1}, {1, 1}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}}};
    SetTextColor(painter, outline);
    for (const Point& offset : kOffsets)
        TextOut(painter, x + offset.x, y + offset.y, strText);
    SetTextColor(painter, face);
    TextOut(painter, x, y, strText);
}

void DrawText(QPainter& painter, const Rect& rc, const std::wstring& strText, TextFlags nFlags)
{
    const QFontMetrics metrics(painter.font());
    PrefixedText text = PrepareText(strText, nFlags);
    if (nFlags & kDtEndEllipsis)
        Elide(text, metrics, rc.Width());

    int nQtFlags = static_cast<int>(AlignmentOf(nFlags)) | Qt::TextShowMnemonic;
    if (nFlags & kDtSingleLine)
        nQtFlags |= Qt::TextSingleLine;
    if (nFlags & kDtNoClip)
        nQtFlags |= Qt::TextDontClip;
    const QString strOut = MnemonicText(text.strText, text.nUnderline);

    painter.save();
    if (!(nFlags & kDtNoClip))
        painter.setClipRect(ToQRect(rc), Qt::IntersectClip);
    painter.drawText(ToQRect(rc), nQtFlags, strOut);
    painter.restore();
}

Size TextExtent(const QFont& font, const std::wstring& strText)
{
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(ToQString(strText)), metrics.height()};
}

void DrawFocusRect(QPainter& painter, const Rect& rc)
{
    if (rc.IsEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(Qt::white);
    const int nRight = rc.right - 1;
    const int nBottom = rc.bottom - 1;
    for (int x = rc.left; x <= nRight; x += 2) {
        painter.drawPoint(x, rc.top);
        if (nBottom != rc.top)
            painter.drawPoint(x, nBottom);
    }
    for (int y = rc.top + 2; y < nBottom; y += 2) {
        painter.drawPoint(rc.left, y);
        if (nRight != rc.left)
            painter.drawPoint(nRight, y);
    }
    painter.restore();
}

void CopyBitmap(QPainter& painter, int x, int y, const QPixmap& bitmap, const Rect& rcSource)
{
    if (bitmap.isNull())
        return;
    painter.drawPixmap(QPoint(x, y), bitmap, ToQRect(rcSource));
}

void CopyBitmap(QPainter& painter, int x, int y, const QPixmap& bitmap)
{
    if (bitmap.isNull())
        return;
    painter.drawPixmap(QPoint(x, y), bitmap);
}

} // namespace platform
