// One drawing function per kind of bitmap in the skin. Each returns a new
// image of exactly the requested size; the catalog decides which size and
// which caption or layout each numbered bitmap gets.
#pragma once

#include "SkinPainter.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

namespace skin {

enum class TitleGlyph { Minimize, Maximize, Close };

// A fixed text of a dialog background; '&' underlines the next letter.
struct DialogLabel
{
    QRect rect;
    int nAlign;
    QString strText;
};

// What a small dialog's background carries: its title, the labels beside
// its fields, sunken frames around the fields that child windows fill at run
// time, and the top of the footer band behind its push buttons.
struct DialogLayout
{
    QString strTitle;
    std::vector<DialogLabel> labels;
    std::vector<QRect> fields;
    int nFooterTop = 0;
};

// The statistics window's frame: its title, a light band under the title
// with a label before the buttons placed on it at run time, and the white
// panel its view fills.
struct StatisticsFrameLayout
{
    QString strTitle;
    DialogLabel label;
    QRect view;
};

QImage DrawMainBackground(QSize size);
QImage DrawTitleButton(QSize size, TitleGlyph glyph, ButtonState state);
QImage DrawMenuButton(QSize size, const QString& strCaption, ButtonState state);
QImage DrawMenuBackground(QSize size, const std::vector<int>& extraRuleRows);
QImage DrawHoverBar(QSize size);
QImage DrawSeparator(QSize size);
QImage DrawDialogBackground(QSize size, const DialogLayout& layout);
QImage DrawCheckBox(QSize size, const QRect& box, ButtonState state);
QImage DrawPushButton(QSize size, ButtonState state);
QImage DrawStrokeMonitorFrame(QSize size, const QRect& view);
QImage DrawTimeMonitorFrame(QSize size, const QRect& view);
QImage DrawStatisticsFrame(QSize size, const StatisticsFrameLayout& layout);
QImage DrawTranscriptFrame(QSize size, const QRect& view);
QImage DrawProgramIcon(QSize size);

} // namespace skin
