// The typed-steno field's own pixels: a click picks the side, and the focus
// frame stands around that side only while the field has the focus. Typing
// into it is the stroke editor's test.
#include "fields/StenoEdit.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class StenoEditTest : public testing::Test
{
protected:
    StenoEditTest()
    {
        m_pEdit->setGeometry(10, 10, 120, 30);
        m_pEdit->SetFontDesc({L"Arial", -15});
        m_owner.show();
        QApplication::setActiveWindow(&m_owner);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_owner));
        m_pEdit->setFocus();
    }

    /// Whether the top row of the white area has a dark pixel from x0 to x1:
    /// the dotted focus rectangle.
    bool FramedBetween(int x0, int x1)
    {
        const QImage image = m_pEdit->grab().toImage();
        for (int x = x0; x < x1; ++x) {
            if (image.pixelColor(x, 1).lightness() < 128)
                return true;
        }
        return false;
    }

    QWidget m_owner;
    CStenoEdit* m_pEdit = new CStenoEdit(&m_owner);
};

} // namespace

TEST_F(StenoEditTest, ClickPicksTheSideAndOnlyAFocusedFieldFramesIt)
{
    QTest::mouseClick(m_pEdit, Qt::LeftButton, Qt::NoModifier, QPoint(90, 15));
    EXPECT_FALSE(m_pEdit->IsLeft());
    EXPECT_FALSE(FramedBetween(2, 50));
    EXPECT_TRUE(FramedBetween(70, 110));
    m_owner.setFocus();
    EXPECT_FALSE(FramedBetween(0, 120));
}
