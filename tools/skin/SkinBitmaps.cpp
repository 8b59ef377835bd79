#include "SkinBitmaps.h"

#include "SkinPalette.h"

#include <QPainterPath>
#include <QPen>

namespace skin {

using namespace palette;

namespace {

// Bands of the main window, from its layout: the File to Help buttons at
// y 43, the column headings drawn at y 99 and the stroke list at (5, 131)
// up to 7 pixels from the right edge and 30 from the bottom.
constexpr int kToolbarTop = metrics::kTitleRuleRow + 1;
constexpr int kToolbarBottom = 86;
constexpr int kMenuButtonTop = 43;
constexpr int kTableTop = 87;
constexpr int kHeadingRule = 130;
constexpr int kListLeft = 5;
constexpr int kListTop = 131;
constexpr int kListRightGap = 7;
constexpr int kListBottomGap = 30;
constexpr int kLogoRight = 170;

// The drawn close and title-bar buttons sit 3 pixels below a window's top.
constexpr int kTitleButtonTop = 3;

constexpr int kMenuButtonTextSize = 14;
constexpr int kTitleTextSize = 15;
constexpr int kLabelTextSize = 14;

void PaintToolbarBand(QPainter& painter, int nWidth)
{
    FillRows(painter, QRect(0, kToolbarTop, nWidth, kToolbarBottom - kToolbarTop + 1), kBodyTop,
             kBody);
}

// The left, right and bottom outline of a borderless window; the title band
// is dark enough to stand without one on top.
void PaintWindowEdge(QPainter& painter, QSize size)
{
    VLine(painter, 0, 0, size.height() - 1, kNavyEdge);
    VLine(painter, size.width() - 1, 0, size.height() - 1, kNavyEdge);
    HLine(painter, 0, size.width() - 1, size.height() - 1, kNavyEdge);
}

void PaintOutline(QPainter& painter, QSize size)
{
    FrameRect(painter, QRect(QPoint(0, 0), size), kNavyEdge);
}

void PaintTitleText(QPainter& painter, int nLeft, int nRight, const QString& strTitle, int nSize)
{
    const QRect rect(QPoint(nLeft, 0), QPoint(nRight, metrics::kTitleBandHeight - 1));
    DrawLabel(painter, rect, Qt::AlignLeft | Qt::AlignVCenter, strTitle,
              SkinFont(nSize, QFont::Bold), kNavyText);
}

void PaintBandMark(QPainter& painter, const QRectF& box)
{
    PaintQuillMark(painter, box, kNavyText, Mix(kNavyTop, kNavyBottom, 0.5));
}

void PaintMainLogo(QPainter& painter)
{
    PaintBandMark(painter, QRectF(10, 7, 22, 22));
    PaintTitleText(painter, 39, kLogoRight - 6, QStringLiteral("Quillmark"), 17);
    VLine(painter, kLogoRight, 9, 27, kNavyEdge);
    VLine(painter, kLogoRight + 1, 9, 27, kNavyHighlight);
}

// The heading band and the white list below it share one frame, so the
// headings read as the header of the table.
void PaintStrokeTable(QPainter& painter, QSize size)
{
    const int nRight = size.width() - kListRightGap;
    const int nBottom = size.height() - kListBottomGap;
    const QRect frame(QPoint(kListLeft - 1, kTableTop), QPoint(nRight, nBottom));
    FillRows(painter, QRect(QPoint(frame.left(), kTableTop + 1), QPoint(nRight, kHeadingRule - 1)),
             kHeadingTop, kHeadingBottom);
    HLine(painter, frame.left(), nRight, kHeadingRule, kNavyEdge);
    painter.fillRect(QRect(QPoint(kListLeft, kListTop), QPoint(nRight - 1, nBottom - 1)),
                     QColor(kWhite));
    FrameRect(painter, frame, kFrameDark);
    HLine(painter, frame.left() + 1, nRight - 1, kTableTop + 1, Mix(kHeadingTop, kWhite, 0.2));
}

QRgb GlyphColour(ButtonState state)
{
    return state == ButtonState::Normal ? Mix(kNavyText, kNavyMuted, 0.35) : kWhite;
}

void PaintTitleGlyph(QPainter& painter, TitleGlyph glyph, QRgb colour)
{
    switch (glyph) {
    case TitleGlyph::Minimize:
        painter.fillRect(QRect(10, 19, 11, 2), QColor(colour));
        return;
    case TitleGlyph::Maximize:
        FrameRect(painter, QRect(10, 10, 11, 11), colour);
        HLine(painter, 10, 20, 11, colour);
        return;
    case TitleGlyph::Close:
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(QColor(colour), 1.7, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(10.5, 10.5), QPointF(20.5, 20.5));
        painter.drawLine(QPointF(20.5, 10.5), QPointF(10.5, 20.5));
        painter.restore();
        return;
    }
}

QRgb CaptionColour(ButtonState state)
{
    switch (state) {
    case ButtonState::Over:
        return kAccentDark;
    case ButtonState::Down:
        return kAccentDeep;
    case ButtonState::Normal:
        break;
    }
    return kInk;
}

// A pressed face shows its content one pixel right and down, as the
// buttons' run-time captions move.
QPoint PressOffset(ButtonState state)
{
    return state == ButtonState::Down ? QPoint(1, 1) : QPoint(0, 0);
}

void PaintMenuFrame(QPainter& painter, QSize size)
{
    const int nRight = size.width() - 1;
    const int nBottom = size.height() - 1;
    HLine(painter, 1, nRight - 1, 1, kAccent);
    VLine(painter, 1, 2, nBottom - 1, kMenuBevel);
    VLine(painter, nRight - 1, 2, nBottom - 1, kMenuShadow);
    HLine(painter, 2, nRight - 1, nBottom - 1, kMenuShadow);
    FrameRect(painter, QRect(QPoint(0, 0), size), kNavyEdge);
}

void PaintDialogFooter(QPainter& painter, QSize size, int nTop)
{
    HLine(painter, 0, size.width() - 1, nTop, kBodyRule);
    HLine(painter, 0, size.width() - 1, nTop + 1, kBodyLight);
    painter.fillRect(QRect(QPoint(0, nTop + 2), QPoint(size.width() - 1, size.height() - 1)),
                     QColor(kBodyShade));
}

void PaintTick(QPainter& painter, const QRect& box, QRgb colour)
{
    const QPointF origin = QRectF(box).topLeft();
    QPainterPath tick;
    tick.moveTo(origin + QPointF(5.5, 11.5));
    tick.lineTo(origin + QPointF(9.5, 15.5));
    tick.lineTo(origin + QPointF(17.5, 7.0));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(colour), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
    painter.restore();
}

// A white panel that a monitor's view fills at run time, with a dark frame.
void PaintViewPanel(QPainter& painter, const QRect& view)
{
    FrameRect(painter, view.adjusted(-1, -1, 1, 1), kNavyEdge);
    painter.fillRect(view, QColor(kWhite));
}

void PaintClockMark(QPainter& painter, const QRectF& box)
{
    const QPointF centre = box.center();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(kNavyMuted), 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(box.adjusted(1, 1, -1, -1));
    painter.setPen(QPen(QColor(kNavyText), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(0, -box.height() * 0.30));
    painter.setPen(QPen(QColor(kAccentLight), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(box.width() * 0.24, box.height() * 0.10));
    painter.restore();
}

// A sheet with lines of writing: the transcript's mark.
void PaintPageMark(QPainter& painter, const QRectF& box)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF sheet = box.adjusted(3, 1, -3, -1);
    painter.setPen(QPen(QColor(kNavyMuted), 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(sheet, 1.5, 1.5);
    painter.setPen(QPen(QColor(kNavyText), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const double y = sheet.top() + 5 + i * 4;
        painter.drawLine(QPointF(sheet.left() + 3, y),
                         QPointF(sheet.right() - (i == 2 ? 6 : 3), y));
    }
    painter.setPen(QPen(QColor(kAccentLight), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(sheet.left() + 3, sheet.bottom() - 3),
                     QPointF(sheet.left() + 8, sheet.bottom() - 3));
    painter.restore();
}

// Three rising bars on a base line: the statistics window's mark.
void PaintChartMark(QPainter& painter, const QRectF& box)
{
    const double w = box.width() / 5;
    const double heights[] = {0.45, 0.8, 0.6};
    for (int i = 0; i < 3; ++i) {
        const double h = box.height() * heights[i];
        const QRectF bar(box.left() + w * (0.5 + 1.5 * i), box.bottom() - h, w, h);
        painter.fillRect(bar, QColor(i == 1 ? kAccentLight : kNavyText));
    }
    HLine(painter, static_cast<int>(box.left()), static_cast<int>(box.right()),
          static_cast<int>(box.bottom()) + 1, kNavyMuted);
}

} // namespace

QImage DrawMainBackground(QSize size)
{
    QImage image = NewOpaqueImage(size, kBody);
    QPainter painter(&image);
    PaintTitleBand(painter, size.width(), true);
    PaintMainLogo(painter);
    PaintToolbarBand(painter, size.width());
    PaintStrokeTable(painter, size);
    PaintWindowEdge(painter, size);
    return image;
}

QImage DrawTitleButton(QSize size, TitleGlyph glyph, ButtonState state)
{
    QImage image = NewOpaqueImage(size, kNavyBottom);
    QPainter painter(&image);
    painter.translate(0, -kTitleButtonTop);
    PaintTitleBand(painter, size.width(), false);
    painter.resetTransform();
    PaintNavyFace(painter, image.rect(), state, metrics::kButtonRadius, glyph == TitleGlyph::Close);
    painter.translate(PressOffset(state));
    PaintTitleGlyph(painter, glyph, GlyphColour(state));
    return image;
}

QImage DrawMenuButton(QSize size, const QString& strCaption, ButtonState state)
{
    QImage image = NewOpaqueImage(size, kBody);
    QPainter painter(&image);
    painter.translate(0, -kMenuButtonTop);
    PaintToolbarBand(painter, size.width());
    painter.resetTransform();
    PaintLightFace(painter, image.rect(), state, metrics::kButtonRadius);
    DrawLabel(painter, image.rect().translated(PressOffset(state)), Qt::AlignCenter, strCaption,
              SkinFont(kMenuButtonTextSize, QFont::Bold), CaptionColour(state));
    return image;
}

QImage DrawMenuBackground(QSize size, const std::vector<int>& extraRuleRows)
{
    QImage image = NewOpaqueImage(size, kMenuBody);
    QPainter painter(&image);
    PaintMenuFrame(painter, size);
    for (const int nRow : extraRuleRows)
        PaintSeparator(painter, QRect(4, nRow, size.width() - 13, 2));
    return image;
}

QImage DrawHoverBar(QSize size)
{
    QImage image = NewOpaqueImage(size, kMenuBody);
    QPainter painter(&image);
    PaintNavyFace(painter, image.rect(), ButtonState::Over, 4, false);
    return image;
}

QImage DrawSeparator(QSize size)
{
    QImage image = NewOpaqueImage(size, kMenuBody);
    QPainter painter(&image);
    PaintSeparator(painter, image.rect());
    return image;
}

QImage DrawDialogBackground(QSize size, const DialogLayout& layout)
{
    QImage image = NewOpaqueImage(size, kBody);
    QPainter painter(&image);
    PaintTitleBand(painter, size.width(), true);
    PaintBandMark(painter, QRectF(11, 9, 19, 19));
    PaintTitleText(painter, 37, size.width() - 40, layout.strTitle, kTitleTextSize);
    for (const DialogLabel& label : layout.labels)
        DrawLabel(painter, label.rect, label.nAlign, label.strText,
                  SkinFont(kLabelTextSize, QFont::Normal), kInk);
    for (const QRect& field : layout.fields)
        PaintWell(painter, field);
    PaintDialogFooter(painter, size, layout.nFooterTop);
    PaintOutline(painter, size);
    return image;
}

QImage DrawCheckBox(QSize size, const QRect& box, ButtonState state)
{
    QImage image = NewOpaqueImage(size, kBody);
    QPainter painter(&image);
    if (state != ButtonState::Down) {
        PaintLightFace(painter, box, state, metrics::kPushButtonRadius);
        return image;
    }
    // Checked (and pressed) shows the accent box with its tick.
    PaintNavyFace(painter, box, ButtonState::Over, metrics::kPushButtonRadius, false);
    PaintTick(painter, box, kWhite);
    return image;
}

QImage DrawPushButton(QSize size, ButtonState state)
{
    QImage image = NewOpaqueImage(size, kBodyShade);
    QPainter painter(&image);
    PaintLightFace(painter, image.rect(), state, metrics::kPushButtonRadius);
    return image;
}

QImage DrawStrokeMonitorFrame(QSize size, const QRect& view)
{
    QImage image = NewOpaqueImage(size, kNavyBottom);
    QPainter painter(&image);
    PaintNavyBezel(painter, size);
    PaintViewPanel(painter, view);
    // The emblem sits in the right spine under the close button, above the
    // rows the frame repeats when the window grows taller.
    const int nSpineCentre = size.width() - 33 + 15;
    PaintQuillMark(painter, QRectF(nSpineCentre - 11, 42, 22, 22), kNavyMuted, kNavyBottom);
    PaintOutline(painter, size);
    return image;
}

QImage DrawTimeMonitorFrame(QSize size, const QRect& view)
{
    QImage image = NewOpaqueImage(size, kNavyBottom);
    QPainter painter(&image);
    PaintNavyBezel(painter, size);
    PaintViewPanel(painter, view);
    PaintClockMark(painter, QRectF(8, 7, 20, 20));
    PaintOutline(painter, size);
    return image;
}

// The title stays left of the band the frame repeats when the window grows wider.
QImage DrawTranscriptFrame(QSize size, const QRect& view)
{
    QImage image = NewOpaqueImage(size, kNavyBottom);
    QPainter painter(&image);
    PaintNavyBezel(painter, size);
    PaintViewPanel(painter, view);
    PaintPageMark(painter, QRectF(8, 7, 20, 22));
    PaintTitleText(painter, 35, 200, QStringLiteral("Transcript"), kTitleTextSize);
    PaintOutline(painter, size);
    return image;
}

QImage DrawStatisticsFrame(QSize size, const StatisticsFrameLayout& layout)
{
    QImage image = NewOpaqueImage(size, kNavyBottom);
    QPainter painter(&image);
    PaintNavyBezel(painter, size);
    PaintTitleBand(painter, size.width(), true);
    PaintChartMark(painter, QRectF(10, 9, 19, 18));
    PaintTitleText(painter, 37, size.width() - 40, layout.strTitle, kTitleTextSize);
    const QRect& view = layout.view;
    FillRows(painter,
             QRect(QPoint(view.left() - 1, metrics::kTitleRuleRow + 1),
                   QPoint(view.right() + 1, view.top() - 2)),
             kBodyTop, kBody);
    DrawLabel(painter, layout.label.rect, layout.label.nAlign, layout.label.strText,
              SkinFont(kLabelTextSize, QFont::Normal), kInk);
    PaintViewPanel(painter, view);
    PaintOutline(painter, size);
    return image;
}

QImage DrawProgramIcon(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF tile = QRectF(image.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient gradient(tile.topLeft(), tile.bottomLeft());
    gradient.setColorAt(0.0, QColor(kNavyTop));
    gradient.setColorAt(1.0, QColor(kNavyBottom));
    painter.setPen(QPen(QColor(kNavyEdge), 1.0));
    painter.setBrush(gradient);
    painter.drawRoundedRect(tile, size.width() * 0.19, size.height() * 0.19);
    const double inset = size.width() * 0.17;
    PaintQuillMark(painter, tile.adjusted(inset, inset * 0.8, -inset, -inset * 1.2), kNavyText,
                   Mix(kNavyTop, kNavyBottom, 0.5));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace skin
