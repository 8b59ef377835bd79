#include "platform/Drawing.h"
#include "platform/Fonts.h"

#include <QImage>
#include <QPainter>
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

TEST_F(PlatformDrawingTest, AmpersandUnderlinesTheNextCharacter)
{
    const Rect rc{0, 0, 120, 30};
    Paint([&](QPainter& p) { DrawText(p, rc, L"07", kDtSingleLine); });
    const QRect rcPlain = Inked();
    m_image.fill(Qt::white);
    Paint([&](QPainter& p) { DrawText(p, rc, L"&07", kDtSingleLine); });
    EXPECT_GT(Inked().bottom(), rcPlain.bottom()); // the underline below the 0
    EXPECT_EQ(Inked().left(), rcPlain.left());     // and no '&' drawn
}
