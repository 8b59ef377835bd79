#include "SkinPainter.h"

#include "SkinPalette.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace skin {

using namespace palette;

namespace {

int MixChannel(int a, int b, double t)
{
    return static_cast<int>(std::lround(a + (b - a) * t));
}

QPainterPath RoundedPath(const QRectF& rect, double radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

// Fills a rounded rectangle with a top-to-bottom gradient and a crisp
// 1-pixel border that lies exactly on the rectangle's outer pixels.
void PaintRoundedFace(QPainter& painter, const QRect& rect, int nRadius, QRgb top, QRgb bottom,
                      QRgb border)
{
    const QRectF outline = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient gradient(outline.topLeft(), outline.bottomLeft());
    gradient.setColorAt(0.0, QColor(top));
    gradient.setColorAt(1.0, QColor(bottom));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(border), 1.0));
    painter.setBrush(gradient);
    painter.drawPath(RoundedPath(outline, nRadius - 0.5));
    painter.restore();
}

// The inner 1-pixel line just under the top border: a highlight on a raised
// face, a shadow on a pressed one.
void PaintInnerTopLine(QPainter& painter, const QRect& rect, int nRadius, QRgb colour)
{
    HLine(painter, rect.left() + nRadius - 1, rect.right() - nRadius + 1, rect.top() + 1, colour);
}

} // namespace

QRgb Mix(QRgb a, QRgb b, double t)
{
    return qRgb(MixChannel(qRed(a), qRed(b), t), MixChannel(qGreen(a), qGreen(b), t),
                MixChannel(qBlue(a), qBlue(b), t));
}

QImage NewOpaqueImage(QSize size, QRgb fill)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

void FillRows(QPainter& painter, const QRect& rect, QRgb top, QRgb bottom)
{
    const int nRows = rect.height();
    for (int i = 0; i < nRows; ++i) {
        const double t = nRows > 1 ? static_cast<double>(i) / (nRows - 1) : 0.0;
        painter.fillRect(QRect(rect.left(), rect.top() + i, rect.width(), 1),
                         QColor(Mix(top, bottom, t)));
    }
}

void HLine(QPainter& painter, int x1, int x2, int y, QRgb colour)
{
    painter.fillRect(QRect(QPoint(x1, y), QPoint(x2, y)), QColor(colour));
}

void VLine(QPainter& painter, int x, int y1, int y2, QRgb colour)
{
    painter.fillRect(QRect(QPoint(x, y1), QPoint(x, y2)), QColor(colour));
}

void FrameRect(QPainter& painter, const QRect& rect, QRgb colour)
{
    HLine(painter, rect.left(), rect.right(), rect.top(), colour);
    HLine(painter, rect.left(), rect.right(), rect.bottom(), colour);
    VLine(painter, rect.left(), rect.top(), rect.bottom(), colour);
    VLine(painter, rect.right(), rect.top(), rect.bottom(), colour);
}

void PaintTitleBand(QPainter& painter, int nWidth, bool bRule)
{
    FillRows(painter, QRect(0, 0, nWidth, metrics::kTitleBandHeight), kNavyTop, kNavyBottom);
    if (bRule)
        HLine(painter, 0, nWidth - 1, metrics::kTitleRuleRow, kAccent);
}

void PaintNavyBezel(QPainter& painter, QSize size)
{
    painter.fillRect(QRect(QPoint(0, 0), size), QColor(kNavyBottom));
    PaintTitleBand(painter, size.width(), false);
}

QFont SkinFont(int nPixelSize, QFont::Weight weight)
{
    QFont font(QString::fromLatin1(metrics::kFontFamily));
    font.setPixelSize(nPixelSize);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void DrawLabel(QPainter& painter, const QRect& rect, int nAlign, const QString& strText,
               const QFont& font, QRgb colour)
{
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(font);
    painter.setPen(QColor(colour));
    painter.drawText(rect, nAlign | Qt::TextShowMnemonic | Qt::TextSingleLine, strText);
    painter.restore();
}

void PaintLightFace(QPainter& painter, const QRect& rect, ButtonState state, int nRadius)
{
    switch (state) {
    case ButtonState::Normal:
        PaintRoundedFace(painter, rect, nRadius, kBodyLight, kBodyShade, kFrame);
        PaintInnerTopLine(painter, rect, nRadius, kWhite);
        return;
    case ButtonState::Over:
        PaintRoundedFace(painter, rect, nRadius, kWhite, kAccentTint, kAccent);
        PaintInnerTopLine(painter, rect, nRadius, kWhite);
        return;
    case ButtonState::Down:
        PaintRoundedFace(painter, rect, nRadius, Mix(kAccentWash, kAccent, 0.3), kAccentWash,
                         kAccentDark);
        PaintInnerTopLine(painter, rect, nRadius, Mix(kAccentWash, kAccentDark, 0.5));
        return;
    }
}

void PaintNavyFace(QPainter& painter, const QRect& rect, ButtonState state, int nRadius, bool bWarn)
{
    const QRgb light = bWarn ? kCloseLight : kAccentLight;
    const QRgb middle = bWarn ? kClose : kAccent;
    const QRgb dark = bWarn ? kCloseDark : kAccentDeep;
    switch (state) {
    case ButtonState::Normal:
        PaintRoundedFace(painter, rect, nRadius, Mix(kNavyTop, kWhite, 0.10),
                         Mix(kNavyBottom, kWhite, 0.05), kNavyEdge);
        PaintInnerTopLine(painter, rect, nRadius, kNavyHighlight);
        return;
    case ButtonState::Over:
        PaintRoundedFace(painter, rect, nRadius, light, middle, dark);
        PaintInnerTopLine(painter, rect, nRadius, Mix(light, kWhite, 0.35));
        return;
    case ButtonState::Down:
        PaintRoundedFace(painter, rect, nRadius, Mix(dark, middle, 0.4), middle, dark);
        PaintInnerTopLine(painter, rect, nRadius, Mix(dark, kBlack, 0.3));
        return;
    }
}

void PaintWell(QPainter& painter, const QRect& field)
{
    const QRect frame = field.adjusted(-1, -1, 1, 1);
    FrameRect(painter, frame, kFrame);
    HLine(painter, frame.left(), frame.right(), frame.top(), kFrameDark);
    HLine(painter, frame.left() + 1, frame.right() - 1, frame.bottom() + 1, kBodyLight);
    painter.fillRect(field, QColor(kWhite));
}

void PaintSeparator(QPainter& painter, const QRect& rect)
{
    constexpr double kFade = 14.0;
    const int nWidth = rect.width();
    for (int x = 0; x < nWidth; ++x) {
        const double t = std::min({1.0, (x + 1) / kFade, (nWidth - x) / kFade});
        painter.fillRect(QRect(rect.left() + x, rect.top(), 1, 1),
                         QColor(Mix(kMenuBody, kNavyEdge, t)));
        painter.fillRect(QRect(rect.left() + x, rect.top() + 1, 1, 1),
                         QColor(Mix(kMenuBody, kMenuBevel, t)));
    }
}

void PaintQuillMark(QPainter& painter, const QRectF& box, QRgb feather, QRgb shaft)
{
    const auto at = [&box](double x, double y) {
        return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
    };
    QPainterPath vane;
    vane.moveTo(at(0.30, 0.72));
    vane.cubicTo(at(0.20, 0.44), at(0.48, 0.14), at(0.94, 0.04));
    vane.cubicTo(at(0.86, 0.36), at(0.62, 0.64), at(0.30, 0.72));
    const double stroke = std::max(1.0, box.width() / 18.0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(feather));
    painter.drawPath(vane);
    // The shaft shows as a groove through the vane and runs on below it as
    // the nib, which has just drawn the teal stroke.
    painter.setPen(QPen(QColor(shaft), stroke * 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(at(0.36, 0.64), at(0.80, 0.20));
    painter.setPen(QPen(QColor(feather), stroke, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(at(0.14, 0.90), at(0.34, 0.68));
    painter.setPen(QPen(QColor(palette::kAccentLight), stroke * 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(at(0.26, 0.92), at(0.90, 0.92));
    painter.restore();
}

QImage RoundedMask(QSize size, const QRect& shape, int nRadius)
{
    QImage coverage(size, QImage::Format_Grayscale8);
    coverage.fill(255);
    {
        QPainter painter(&coverage);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawPath(RoundedPath(QRectF(shape), nRadius));
    }
    // The button's region takes every pixel that is not pure white, so the
    // mask is cut to two values: half-covered pixels belong to the button.
    QImage mask = NewOpaqueImage(size, kMaskOutside);
    for (int y = 0; y < size.height(); ++y) {
        const uchar* pRow = coverage.constScanLine(y);
        for (int x = 0; x < size.width(); ++x) {
            if (pRow[x] < 128)
                mask.setPixel(x, y, kMaskInside);
        }
    }
    return mask;
}

} // namespace skin
