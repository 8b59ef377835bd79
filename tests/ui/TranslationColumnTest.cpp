// The stroke list's translation column and Next Untranslated, in the main window.
#include "TranslationWindowFixture.h"

#include "translation/TranslationInks.h"

using namespace translationtest;

namespace {

QColor Colour(platform::ColorRef colour)
{
    return {platform::RedOf(colour), platform::GreenOf(colour), platform::BlueOf(colour)};
}

/// How many pixels of the row's translation cell are of the colour.
int PixelsInCell(const QImage& image, const strokelist::ListLayout& layout, int nRow,
                 const QColor& colour)
{
    int nCount = 0;
    const int nHeight = layout.RowHeight();
    for (int y = nRow * nHeight; y < (nRow + 1) * nHeight; ++y)
        for (int x = layout.rcTranslation.left; x < layout.rcTranslation.right; ++x)
            nCount += image.pixelColor(x, y) == colour ? 1 : 0;
    return nCount;
}

} // namespace

TEST_F(TranslationWindowFixture, ColumnShowsTheWordsAndTheUntranslatedStenoInRed)
{
    Assign("KAT STKPW TKOG");
    const QImage image = m_dlg.List()->grab().toImage();
    const strokelist::ListLayout& layout = m_dlg.List()->Layout();
    ASSERT_FALSE(layout.rcTranslation.IsEmpty());
    const QColor red = Colour(translation::kUntranslatedInk);
    EXPECT_GT(PixelsInCell(image, layout, 0, Qt::black), 0);
    EXPECT_EQ(PixelsInCell(image, layout, 0, red), 0);
    EXPECT_GT(PixelsInCell(image, layout, 1, red), 0);
    EXPECT_GT(PixelsInCell(image, layout, 2, Qt::black), 0);
}

TEST_F(TranslationWindowFixture, NextUntranslatedFromF3AndFromTheEditMenu)
{
    Assign("KAT STKPW TKOG STKPW KAT");
    m_dlg.List()->setFocus();
    Key(Qt::Key_F3);
    EXPECT_EQ(Document().Current(), 1);
    Key(Qt::Key_E, Qt::AltModifier);
    Key(Qt::Key_N);
    EXPECT_EQ(Document().Current(), 3);
    EXPECT_FALSE(m_dlg.Menus().Edit().isVisible());
}
