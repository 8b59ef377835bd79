// Drawing helpers shared by every bitmap of the skin: exact per-row
// gradients, crisp 1-pixel rules, the button faces in their states, text with
// an underlined shortcut letter, the program's quill mark and binary masks.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRgb>
#include <QString>

namespace skin {

enum class ButtonState { Normal, Over, Down };

// Blends a toward b; t = 0 gives a, t = 1 gives b.
QRgb Mix(QRgb a, QRgb b, double t);

QImage NewOpaqueImage(QSize size, QRgb fill);

// One solid colour per row, interpolated from top to bottom, so every row is
// horizontally uniform and slices of it tile without seams.
void FillRows(QPainter& painter, const QRect& rect, QRgb top, QRgb bottom);

void HLine(QPainter& painter, int x1, int x2, int y, QRgb colour);
void VLine(QPainter& painter, int x, int y1, int y2, QRgb colour);
void FrameRect(QPainter& painter, const QRect& rect, QRgb colour);

// The navy band behind titles: rows 0..36 of any window, then the teal rule.
void PaintTitleBand(QPainter& painter, int nWidth, bool bRule);
// Navy from top to bottom, with the title band's gradient in its top rows.
void PaintNavyBezel(QPainter& painter, QSize size);

QFont SkinFont(int nPixelSize, QFont::Weight weight);
// Text in a rectangle; a '&' underlines the letter after it.
void DrawLabel(QPainter& painter, const QRect& rect, int nAlign, const QString& strText,
               const QFont& font, QRgb colour);

// The light, rounded face shared by the push buttons, the File, Edit, Options
// and Help buttons and the check box.
void PaintLightFace(QPainter& painter, const QRect& rect, ButtonState state, int nRadius);
// The face of whatever sits on navy: the title-bar buttons and the menus'
// hover bar. `bWarn` paints the close button's red instead of the accent.
void PaintNavyFace(QPainter& painter, const QRect& rect, ButtonState state, int nRadius,
                   bool bWarn);

// A 1-pixel sunken frame around a field that a child window fills at run time.
void PaintWell(QPainter& painter, const QRect& field);
// The etched 2-pixel menu rule, fading into the menu body at both ends.
void PaintSeparator(QPainter& painter, const QRect& rect);

// The program's emblem: a quill over a short teal writing stroke.
void PaintQuillMark(QPainter& painter, const QRectF& box, QRgb feather, QRgb shaft);

// A binary mask: black inside the rounded rectangle `shape`, pure white elsewhere.
QImage RoundedMask(QSize size, const QRect& shape, int nRadius);

} // namespace skin
