// What the stroke list paints, read back from grab(): the current row inverted,
// marked keys hidden in the stroke column and grey in the raw column.
#include "StenoViewListFixture.h"

#include "platform/Drawing.h"
#include "platform/Fonts.h"
#include "platform/QtTextMeasurer.h"
#include "rtfcre/LocalTime.h"

#include <QPainter>

using namespace listtest;

namespace {

const QColor kGrey(120, 120, 120);

/// The darkest and the lightest pixel of a rectangle.
struct Extremes
{
    QColor darkest = Qt::white;
    QColor lightest = Qt::black;
};

Extremes ExtremesIn(const QImage& image, const QRect& rc)
{
    Extremes extremes;
    for (int y = rc.top(); y <= rc.bottom(); ++y) {
        for (int x = rc.left(); x <= rc.right(); ++x) {
            const QColor color = image.pixelColor(x, y);
            if (color.lightness() < extremes.darkest.lightness())
                extremes.darkest = color;
            if (color.lightness() > extremes.lightest.lightness())
                extremes.lightest = color;
        }
    }
    return extremes;
}

class StenoViewListPaintTest : public StenoViewListFixture
{
protected:
    /// Stroke 1 has S- and -Z down; S- is marked (2, even), -Z is not (3, odd).
    StenoViewListPaintTest()
    {
        std::vector<CStenoStroke> strokes = GeneratedStrokes(3);
        CStenoStroke& marked = strokes[1];
        marked.m_rawKeys = steno::KeyBit(steno::kKeyLeftS) | steno::KeyBit(steno::kKeyZ);
        marked.m_keys = 0;
        marked.m_keyValues[steno::kKeyLeftS] = 2;
        marked.m_keyValues[steno::kKeyZ] = 3;
        Load(std::move(strokes));
    }

    /// The pixels of key cell j of a row in the stroke or the raw column.
    QRect Cell(int nRow, bool bRaw, int j) const
    {
        const strokelist::ListLayout& layout = m_pList->Layout();
        const int nLeft = (bRaw ? layout.rcRaw.left : layout.rcStroke.left) +
                          layout.cellOffsets[static_cast<std::size_t>(j)];
        const int nRight = (bRaw ? layout.rcRaw.left : layout.rcStroke.left) +
                           layout.cellOffsets[static_cast<std::size_t>(j) + 1];
        const int nRowHeight = m_pList->RowHeight();
        return QRect(QPoint(nLeft, nRow * nRowHeight),
                     QPoint(nRight - 1, (nRow + 1) * nRowHeight - 1));
    }
};

} // namespace

TEST_F(StenoViewListPaintTest, MarkedKeyIsGreyInTheRawColumnAndAbsentInTheStrokeColumn)
{
    const QImage image = Paint();
    EXPECT_EQ(ExtremesIn(image, Cell(1, false, steno::kKeyLeftS)).darkest, QColor(Qt::white));
    EXPECT_EQ(ExtremesIn(image, Cell(1, false, steno::kKeyZ)).darkest, QColor(Qt::black));
    EXPECT_EQ(ExtremesIn(image, Cell(1, true, steno::kKeyLeftS)).darkest, kGrey);
    EXPECT_EQ(ExtremesIn(image, Cell(1, true, steno::kKeyZ)).darkest, QColor(Qt::black));
}

TEST_F(StenoViewListPaintTest, CurrentRowIsBlackWithWhiteLettersAndGreyStaysGrey)
{
    m_pList->Document().SetCurrentStroke(1, false);
    const QImage image = Paint();
    EXPECT_EQ(ExtremesIn(image, Cell(1, false, steno::kKeyLeftS)).lightest, QColor(Qt::black));
    EXPECT_EQ(ExtremesIn(image, Cell(1, false, steno::kKeyZ)).lightest, QColor(Qt::white));
    EXPECT_EQ(ExtremesIn(image, Cell(1, true, steno::kKeyLeftS)).lightest, kGrey);
    EXPECT_EQ(ExtremesIn(image, Cell(1, true, steno::kKeyZ)).lightest, QColor(Qt::white));
    // The highlight leaves one white pixel at each end of the row.
    const int y = m_pList->RowHeight() + m_pList->RowHeight() / 2;
    EXPECT_EQ(image.pixelColor(0, y), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(1, y), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(kListWidth - 20 - 1, y), QColor(Qt::white));
    // The time of the row is written in white.
    const strokelist::ListLayout& layout = m_pList->Layout();
    const QRect rcTime(layout.rcTime.left, m_pList->RowHeight(), layout.rcTime.Width(),
                       m_pList->RowHeight());
    EXPECT_EQ(ExtremesIn(image, rcTime).lightest, QColor(Qt::white));
}

TEST_F(StenoViewListPaintTest, BelowTheLastRowTheListIsWhite)
{
    const QImage image = Paint();
    const QRect rcBelow(0, 3 * m_pList->RowHeight(), kListWidth - 20,
                        m_pList->height() - 3 * m_pList->RowHeight());
    EXPECT_EQ(ExtremesIn(image, rcBelow).darkest, QColor(Qt::white));
}

TEST_F(StenoViewListPaintTest, TimeColumnShowsTheTwentyFourHourClock)
{
    // A time after noon: the 12-hour sample's width, the 24-hour text.
    std::vector<CStenoStroke> strokes(1);
    strokes[0].m_time = rtfcre::MakeLocalTime(2024, 3, 5, 14, 5, 9);
    Load(std::move(strokes));
    const QImage image = Paint().convertToFormat(QImage::Format_RGB32);

    QImage expected(image.size(), QImage::Format_RGB32);
    expected.fill(Qt::white);
    QPainter painter(&expected);
    painter.setFont(platform::MakeFont({L"Arial", -(m_pList->Layout().nFont + 1)}));
    platform::SetTextColor(painter, platform::kBlack);
    const platform::Rect rcTime = m_pList->Layout().rcTime;
    platform::DrawText(painter, rcTime, L"14:05:09", platform::kDtCenter);
    painter.end();
    const QRect rc = platform::ToQRect(rcTime);
    EXPECT_EQ(image.copy(rc), expected.copy(rc));
}

TEST_F(StenoViewListPaintTest, MenusAreRepaintedAfterTheRows)
{
    // A menu lying over the list counts its paints.
    class CCountingMenu : public QWidget
    {
    public:
        using QWidget::QWidget;
        int m_nPaints = 0;

    protected:
        void paintEvent(QPaintEvent*) override { ++m_nPaints; }
    };
    auto* pMenu = new CCountingMenu(&m_window);
    pMenu->setGeometry(5, 5, 50, 50);
    pMenu->show();
    m_pList->SetMenusToRepaint({pMenu});
    QApplication::processEvents();
    const int nBefore = pMenu->m_nPaints;
    m_pList->repaint();
    QApplication::processEvents();
    EXPECT_GT(pMenu->m_nPaints, nBefore);
    // A menu that is gone is skipped.
    delete pMenu;
    m_pList->repaint();
}

TEST(QtTextMeasurerTest, MeasuresAsTheDrawingDoes)
{
    const QFont font = platform::MakeFont({L"Arial", -17, platform::kWeightNormal});
    const QtTextMeasurer measurer(font);
    for (const std::wstring& text :
         {std::wstring(L"@#STKPWHRAO*EUFRPBLGTSDZ "), std::wstring(L"W"), std::wstring()})
        EXPECT_EQ(measurer.TextExtent(text), platform::TextExtent(font, text));
    EXPECT_GT(measurer.TextWidth(L"WW"), measurer.TextWidth(L"W"));
}
