#include "SkinContactSheet.h"

#include "SkinPainter.h"
#include "SkinPalette.h"

#include "framework/MaskRegion.h"
#include "framework/MenuTables.h"
#include "mainwindow/BackgroundPlan.h"

#include <QBitmap>
#include <QPainter>
#include <QRegion>
#include <algorithm>

namespace skin {

namespace {

constexpr int kSheetWidth = 1500;
constexpr int kGap = 16;
constexpr int kCaptionHeight = 16;

void Copy(QPainter& painter, const QImage& source, const QRect& from, QPoint to)
{
    painter.drawImage(to, source, from);
}

// The main window's background, stretched exactly as the main window does it.
QImage StretchMainBackground(const QImage& bitmap, QSize client)
{
    QImage out(client, QImage::Format_RGB32);
    QPainter p(&out);
    const auto plan = mainwindow::PlanBackground({client.width(), client.height()},
                                                 {bitmap.width(), bitmap.height()});
    for (const mainwindow::BitmapCopy& c : plan)
        Copy(p, bitmap, QRect(c.sx, c.sy, c.cx, c.cy), QPoint(c.dx, c.dy));
    return out;
}

// The monitors' frame: right border r wide, bottom border 20 high.
QImage StretchMonitorFrame(const QImage& bitmap, QSize client, int r, int s, int c)
{
    const int W = bitmap.width();
    const int H = bitmap.height();
    const int w = client.width();
    const int h = client.height();
    QImage out(client, QImage::Format_RGB32);
    QPainter p(&out);
    Copy(p, bitmap, QRect(0, 0, W - r, H - 20), QPoint(0, 0));
    for (int x = W - r; x < w - r; x += r)
        Copy(p, bitmap, QRect(W - 2 * r, 0, r, H - 20), QPoint(x, 0));
    for (int y = H - 20; y < h - 20; y += 20) {
        Copy(p, bitmap, QRect(0, H - 40, W - r, 20), QPoint(0, y));
        for (int x = W - r; x < w - r; x += r)
            Copy(p, bitmap, QRect(W - 2 * r, H - 40, r, 20), QPoint(x, y));
    }
    Copy(p, bitmap, QRect(W - r, 0, r, H - 20), QPoint(w - r, 0));
    for (int y = H - 20; y < h - 20; y += 5)
        Copy(p, bitmap, QRect(W - r, H - 25, r, 5), QPoint(w - r, y));
    Copy(p, bitmap, QRect(0, H - 20, W - r, 20), QPoint(0, h - 20));
    for (int x = W - r; x < w - r; x += s)
        Copy(p, bitmap, QRect(c, H - 20, s, 20), QPoint(x, h - 20));
    Copy(p, bitmap, QRect(W - r, H - 20, r, 20), QPoint(w - r, h - 20));
    return out;
}

QRegion RegionFromMask(const QImage& mask)
{
    const QImage pixels = mask.convertToFormat(QImage::Format_RGB32);
    const framework::PixelBuffer buffer{
        {reinterpret_cast<const std::uint32_t*>(pixels.constBits()),
         static_cast<std::size_t>(pixels.bytesPerLine() / 4 * pixels.height())},
        pixels.width(),
        pixels.height(),
        static_cast<int>(pixels.bytesPerLine() / 4)};
    QRegion region;
    for (const platform::Rect& r : framework::RegionFromMask(buffer))
        region += QRect(r.left, r.top, r.Width(), r.Height());
    return region;
}

void PlaceButton(QPainter& p, const RenderedSkin& skin, int nFace, int nMask, QPoint at)
{
    p.save();
    p.setClipRegion(RegionFromMask(skin.at(nMask)).translated(at));
    p.drawImage(at, skin.at(nFace));
    p.restore();
}

void DrawOutlined(QPainter& p, QPoint at, const QString& strText, const QFont& font, QRgb inner,
                  QRgb outline)
{
    p.save();
    p.setFont(font);
    const QPoint baseline = at + QPoint(0, QFontMetrics(font).ascent());
    constexpr int kOffsets[8][2] = {{-1, -1}, {-1, 1}, {1, -1}, {1, 1},
                                    {-1, 0},  {1, 0},  {0, -1}, {0, 1}};
    p.setPen(QColor(outline));
    for (const auto& offset : kOffsets)
        p.drawText(baseline + QPoint(offset[0], offset[1]), strText);
    p.setPen(QColor(inner));
    p.drawText(baseline, strText);
    p.restore();
}

void DrawFileMenu(QPainter& p, const RenderedSkin& skin, QPoint at)
{
    const QFont font = SkinFont(15, QFont::Normal);
    p.drawImage(at, skin.at(161));
    p.drawImage(at + QPoint(4, 34), skin.at(163));
    for (const framework::MenuItem& item : framework::FileMenuItems()) {
        const QPoint origin = at + QPoint(item.rcItem.left, item.rcItem.top);
        if (item.nID == 0) {
            p.drawImage(origin, skin.at(185));
            continue;
        }
        const bool bDisabled = item.nState == framework::kMenuItemDisabled;
        DrawOutlined(p, origin, QString::fromStdWString(item.strText), font,
                     bDisabled ? qRgb(210, 210, 210) : palette::kWhite,
                     bDisabled ? qRgb(120, 120, 120) : palette::kBlack);
    }
}

QImage MainWindowPreview(const RenderedSkin& skin, QSize client)
{
    QImage out = StretchMainBackground(skin.at(130), client);
    QPainter p(&out);
    const int w = client.width();
    PlaceButton(p, skin, 139, 142, QPoint(w - 99, 3));
    PlaceButton(p, skin, 135, 142, QPoint(w - 66, 3));
    PlaceButton(p, skin, 133, 142, QPoint(w - 33, 3));
    PlaceButton(p, skin, 154, 145, QPoint(5, 43));
    PlaceButton(p, skin, 152, 145, QPoint(85, 43));
    PlaceButton(p, skin, 150, 145, QPoint(165, 43));
    PlaceButton(p, skin, 147, 145, QPoint(245, 43));
    const QFont heading = SkinFont(17, QFont::Normal);
    DrawOutlined(p, QPoint(60, 99), QStringLiteral("Time"), heading, palette::kWhite,
                 palette::kBlack);
    DrawOutlined(p, QPoint(300, 99), QStringLiteral("Stroke"), heading, palette::kWhite,
                 palette::kBlack);
    DrawOutlined(p, QPoint(560, 99), QStringLiteral("Raw Stroke"), heading, palette::kWhite,
                 palette::kBlack);
    DrawOutlined(
        p, QPoint(180, 13),
        QStringLiteral("C:\\Users\\reporter\\Documents\\Corvane\\backup\\RTFCRE\\day1.rtf"),
        SkinFont(13, QFont::Normal), palette::kWhite, palette::kBlack);
    p.setFont(SkinFont(17, QFont::Bold));
    p.setPen(Qt::black);
    p.drawText(QRect(5, client.height() - 25, 300, 20), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Stroke 12 of 340"));
    DrawFileMenu(p, skin, QPoint(5, 76));
    return out;
}

QImage StrokeMonitorPreview(const RenderedSkin& skin, QSize client)
{
    const QImage& frame = skin.at(170);
    QImage out = StretchMonitorFrame(frame, client, 80, 80, frame.width() - 160);
    QPainter p(&out);
    PlaceButton(p, skin, 133, 142, QPoint(client.width() - 33, 3));
    return out;
}

QImage TimeMonitorPreview(const RenderedSkin& skin, QSize client)
{
    const QImage& frame = skin.at(187);
    QImage out = StretchMonitorFrame(frame, client, 40, 5, frame.width() - 45);
    QPainter p(&out);
    PlaceButton(p, skin, 132, 142, QPoint(client.width() - 33, 3));
    return out;
}

QImage DialogPreview(const RenderedSkin& skin, int nBackground,
                     std::initializer_list<QPoint> buttons)
{
    QImage out = skin.at(nBackground);
    QPainter p(&out);
    PlaceButton(p, skin, 133, 142, QPoint(out.width() - 33, 3));
    int nFace = 181;
    for (const QPoint& at : buttons) {
        PlaceButton(p, skin, nFace, 183, at);
        p.setFont(SkinFont(12, QFont::Normal));
        p.setPen(Qt::black);
        p.drawText(QRect(at, QSize(73, 30)), Qt::AlignCenter | Qt::TextShowMnemonic,
                   nFace == 181 ? QStringLiteral("&OK") : QStringLiteral("&Cancel"));
        nFace = 184;
    }
    if (nBackground == 165)
        PlaceButton(p, skin, 166, 167, QPoint(10, 42));
    return out;
}

struct SheetItem
{
    QImage image;
    QString strCaption;
};

std::vector<SheetItem> SheetItems(const std::vector<SkinBitmap>& catalog, const RenderedSkin& skin)
{
    std::vector<SheetItem> items;
    items.push_back({MainWindowPreview(skin, QSize(1180, 640)),
                     QStringLiteral("main window stretched to 1180 x 640")});
    items.push_back({StrokeMonitorPreview(skin, QSize(820, 150)),
                     QStringLiteral("stroke monitor stretched to 820 x 150")});
    items.push_back(
        {TimeMonitorPreview(skin, QSize(200, 640)), QStringLiteral("time monitor 200 x 640")});
    items.push_back({DialogPreview(skin, 165, {QPoint(292, 164), QPoint(370, 164)}),
                     QStringLiteral("configuration")});
    items.push_back(
        {DialogPreview(skin, 171, {QPoint(241, 112), QPoint(320, 112)}), QStringLiteral("find")});
    items.push_back({DialogPreview(skin, 173, {QPoint(241, 140), QPoint(320, 140)}),
                     QStringLiteral("replace")});
    items.push_back({DialogPreview(skin, 172, {QPoint(136, 113), QPoint(215, 113)}),
                     QStringLiteral("goto time")});
    items.push_back({DialogPreview(skin, 174, {QPoint(241, 168), QPoint(320, 168)}),
                     QStringLiteral("shift times")});
    for (const SkinBitmap& bitmap : catalog)
        items.push_back({skin.at(bitmap.nNumber), QStringLiteral("%1").arg(bitmap.nNumber)});
    return items;
}

} // namespace

QImage MakeContactSheet(const std::vector<SkinBitmap>& catalog, const RenderedSkin& images)
{
    const std::vector<SheetItem> items = SheetItems(catalog, images);
    std::vector<QPoint> places;
    int x = kGap;
    int y = kGap;
    int nRowHeight = 0;
    for (const SheetItem& item : items) {
        const int nCellWidth = std::max(item.image.width(), 40);
        if (x + nCellWidth + kGap > kSheetWidth && x > kGap) {
            x = kGap;
            y += nRowHeight + kCaptionHeight + kGap;
            nRowHeight = 0;
        }
        places.push_back(QPoint(x, y));
        x += nCellWidth + kGap;
        nRowHeight = std::max(nRowHeight, item.image.height());
    }
    QImage sheet(kSheetWidth, y + nRowHeight + kCaptionHeight + kGap, QImage::Format_RGB32);
    sheet.fill(qRgb(0x9A, 0x9A, 0x9A));
    QPainter p(&sheet);
    p.setFont(SkinFont(11, QFont::Normal));
    for (size_t i = 0; i < items.size(); ++i) {
        p.drawImage(places[i], items[i].image);
        p.drawText(places[i] + QPoint(0, items[i].image.height() + 12), items[i].strCaption);
    }
    return sheet;
}

} // namespace skin
