// What the stroke list paints, read back from grab(): the current row inverted,
// marked keys hidden in the stroke column and grey in the raw column.
#include "StenoViewListFixture.h"

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

TEST_F(StenoViewListPaintTest, CurrentRowIsBlackWithWhiteLettersAndGreyStaysGrey)
{
    m_document.SetCurrentStroke(1, false);
    const QImage image = Paint();
    EXPECT_EQ(ExtremesIn(image, Cell(1, false, steno::kKeyLeftS)).lightest, QColor(Qt::black));
    EXPECT_EQ(ExtremesIn(image, Cell(1, false, steno::kKeyZ)).lightest, QColor(Qt::white));
    EXPECT_EQ(ExtremesIn(image, Cell(1, true, steno::kKeyLeftS)).lightest, kGrey);
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

TEST_F(StenoViewListPaintTest, SelectedRowsAreLightBlueAndTheCurrentOneStaysBlack)
{
    const QColor selected(190, 210, 240);
    m_document.SetCurrentStroke(0, false);
    m_document.ExtendSelection(1, false);
    const QImage image = Paint();
    EXPECT_EQ(ExtremesIn(image, Cell(0, false, steno::kKeyZ)).lightest, selected);
    EXPECT_EQ(ExtremesIn(image, Cell(0, false, steno::kKeyZ)).darkest, selected);
    EXPECT_EQ(ExtremesIn(image, Cell(1, false, steno::kKeyLeftS)).lightest, QColor(Qt::black));
    EXPECT_EQ(ExtremesIn(image, Cell(2, false, steno::kKeyZ)).darkest, QColor(Qt::white));
}
