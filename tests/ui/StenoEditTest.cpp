#include "fields/StenoEdit.h"
#include "PlatformTestSupport.h"
#include "steno/StenoEncoder.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using testsupport::ReceivedMessage;

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

    testsupport::CMessageRecorder m_owner;
    CStenoEdit* m_pEdit = new CStenoEdit(&m_owner);
};

} // namespace

TEST_F(StenoEditTest, TypedKeysBuildTheStrokeAndNoticesGoToTheOwner)
{
    QTest::keyClicks(m_pEdit, "ga");
    QTest::keyClick(m_pEdit, Qt::Key_Right);
    QTest::keyClick(m_pEdit, Qt::Key_S);
    QTest::keyClick(m_pEdit, Qt::Key_1, Qt::KeypadModifier); // the A chord again
    EXPECT_EQ(CStenoEncoder().KeysToSteno(m_pEdit->Keys()), L"TKPW-S");

    std::vector<fields::FieldNotice> notices;
    QObject::connect(m_pEdit, &CStenoEdit::Notice,
                     [&notices](fields::FieldNotice notice) { notices.push_back(notice); });
    QTest::keyClick(m_pEdit, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(m_pEdit, Qt::Key_Return);
    EXPECT_EQ(notices,
              (std::vector{fields::FieldNotice::BackTab, fields::FieldNotice::Enter}));
    EXPECT_TRUE(m_pEdit->hasFocus());
}

TEST_F(StenoEditTest, ClickPicksTheSideAndOnlyAFocusedFieldFramesIt)
{
    QTest::mouseClick(m_pEdit, Qt::LeftButton, Qt::NoModifier, QPoint(90, 15));
    EXPECT_FALSE(m_pEdit->IsLeft());
    EXPECT_FALSE(FramedBetween(2, 50));
    EXPECT_TRUE(FramedBetween(70, 110));
    m_owner.setFocus();
    EXPECT_FALSE(FramedBetween(0, 120));
}
