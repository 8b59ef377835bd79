#include "platform/Drawing.h"
#include "platform/Fonts.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr QRgb kWhitePixel = 0xFFFFFFFF;

/// A white canvas to draw on, with the painter already set up.
class PlatformDrawingTest : public ::testing::Test
{
protected:
    PlatformDrawingTest() : m_image(120, 60, QImage::Format_RGB32)
    {
        m_image.fill(Qt::white);
        m_font = MakeFont({L"Arial", -14, kWeightNormal, false, Pitch::Default});
    }

    /// The smallest rectangle holding every pixel that is not white.
    QRect Inked() const
    {
        QRect rc;
        for (int y = 0; y < m_image.height(); ++y) {
            for (int x = 0; x < m_image.width(); ++x) {
                if (m_image.pixel(x, y) != kWhitePixel)
                    rc |= QRect(x, y, 1, 1);
            }
        }
        return rc;
    }

    template <typename Draw> void Paint(Draw draw)
    {
        QPainter painter(&m_image);
        painter.setFont(m_font);
        painter.setPen(Qt::black);
        draw(painter);
    }

    QImage m_image;
    QFont m_font;
};

} // namespace

TEST_F(PlatformDrawingTest, FillSolidRectCoversRightAndBottomExclusive)
{
    Paint([](QPainter& p) { FillSolidRect(p, {10, 5, 20, 8}, Rgb(255, 0, 0)); });
    EXPECT_EQ(Inked(), QRect(10, 5, 10, 3));
    EXPECT_EQ(m_image.pixelColor(10, 5), QColor(255, 0, 0));
}

TEST_F(PlatformDrawingTest, DrawTextClipsToTheRectangleUnlessNoClip)
{
    Paint([](QPainter& p) { DrawText(p, {10, 10, 20, 40}, L"WWWWWW", kDtLeft | kDtSingleLine); });
    EXPECT_LE(Inked().right(), 19);
    m_image.fill(Qt::white);
    Paint([](QPainter& p) {
        DrawText(p, {10, 10, 20, 40}, L"WWWWWW", kDtLeft | kDtSingleLine | kDtNoClip);
    });
    EXPECT_GT(Inked().right(), 30);
}

TEST_F(PlatformDrawingTest, VerticalCentringNeedsSingleLine)
{
    const Rect rc{0, 0, 120, 60};
    Paint([&](QPainter& p) { DrawText(p, rc, L"07", kDtVCenter); });
    const int nTopOnly = Inked().top();
    m_image.fill(Qt::white);
    Paint([&](QPainter& p) { DrawText(p, rc, L"07", kDtVCenter | kDtSingleLine); });
    const int nCentred = Inked().top();
    EXPECT_LT(nTopOnly, 8);
    EXPECT_GT(nCentred, 15);
}

TEST_F(PlatformDrawingTest, AmpersandUnderlinesAndEllipsisShortens)
{
    const Rect rc{0, 0, 120, 30};
    Paint([&](QPainter& p) { DrawText(p, rc, L"07", kDtSingleLine); });
    const QRect rcPlain = Inked();
    m_image.fill(Qt::white);
    Paint([&](QPainter& p) { DrawText(p, rc, L"&07", kDtSingleLine); });
    EXPECT_GT(Inked().bottom(), rcPlain.bottom()); // the underline below the 0
    EXPECT_EQ(Inked().left(), rcPlain.left());     // and no '&' drawn

    m_image.fill(Qt::white);
    Paint([&](QPainter& p) {
        DrawText(p, {0, 0, 40, 30}, L"C:\\a\\very\\long\\path.rtf", kDtSingleLine | kDtEndEllipsis);
    });
    EXPECT_LT(Inked().right(), 40);
}

TEST_F(PlatformDrawingTest, FocusRectangleIsDottedAndUndoneByASecondCall)
{
    Paint([](QPainter& p) { DrawFocusRect(p, {5, 5, 25, 15}); });
    EXPECT_EQ(Inked(), QRect(5, 5, 20, 10));
    EXPECT_NE(m_image.pixel(5, 5), kWhitePixel);
    EXPECT_EQ(m_image.pixel(6, 5), kWhitePixel);
    EXPECT_NE(m_image.pixel(7, 5), kWhitePixel);
    EXPECT_EQ(m_image.pixel(10, 10), kWhitePixel);
    Paint([](QPainter& p) { DrawFocusRect(p, {5, 5, 25, 15}); });
    EXPECT_FALSE(Inked().isValid());
}

TEST_F(PlatformDrawingTest, CopyBitmapTakesTheSliceUnscaled)
{
    QImage source(100, 50, QImage::Format_RGB32);
    source.fill(Qt::blue);
    for (int y = 10; y < 20; ++y) {
        for (int x = 60; x < 70; ++x)
            source.setPixel(x, y, qRgb(255, 0, 0));
    }
    const QPixmap bitmap = QPixmap::fromImage(source);
    Paint([&](QPainter& p) { CopyBitmap(p, 3, 4, bitmap, {60, 10, 70, 20}); });
    EXPECT_EQ(Inked(), QRect(3, 4, 10, 10));
    EXPECT_EQ(m_image.pixelColor(3, 4), QColor(255, 0, 0));
    Paint([](QPainter& p) { CopyBitmap(p, 0, 0, QPixmap()); }); // a missing bitmap draws nothing
}

TEST(PlatformFonts, HeightWeightUnderlineAndPitch)
{
    const QFont font = MakeFont({L"Square721 BT", -17, kWeightBold, true, Pitch::Fixed});
    EXPECT_EQ(font.pixelSize(), 17);
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_TRUE(font.underline());
    EXPECT_TRUE(font.fixedPitch());

    const QFont cell = MakeFont({L"Arial", 20, 0, false, Pitch::Default});
    EXPECT_EQ(cell.weight(), QFont::Normal);
    EXPECT_LE(std::abs(QFontMetrics(cell).height() - 20), 1);
}

TEST(PlatformFonts, MissingFacesGetInstalledSubstitutes)
{
    RegisterFontSubstitutions();
    const QStringList substitutes = QFont::substitutes(QStringLiteral("Square721 BT"));
    EXPECT_TRUE(substitutes.contains(QStringLiteral("DejaVu Sans"), Qt::CaseInsensitive));
    const QFont arial = MakeFont({L"Arial", -12, kWeightNormal, false, Pitch::Default});
    EXPECT_FALSE(QFontInfo(arial).family().isEmpty());
}
