#include "framework/xSkinButton.h"

#include "PlatformTestSupport.h"
#include "platform/DialogControls.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

using namespace testsupport;

namespace {

constexpr int kNormal = 9001;
constexpr int kDown = 9002;
constexpr int kOver = 9003;
constexpr int kMask = 9004;

const QColor kNormalColor(200, 0, 0);
const QColor kDownColor(0, 200, 0);
const QColor kOverColor(0, 0, 200);

/// Black with a white top-left corner, like a rounded mask.
QPixmap CornerMask()
{
    QPixmap mask = SolidPixmap(73, 30, Qt::black);
    QPainter(&mask).fillRect(0, 0, 3, 3, Qt::white);
    return mask;
}

class SkinButtonTest : public ::testing::Test
{
protected:
    SkinButtonTest()
        : m_overrides({{kNormal, SolidPixmap(73, 30, kNormalColor)},
                       {kDown, SolidPixmap(73, 30, kDownColor)},
                       {kOver, SolidPixmap(73, 30, kOverColor)},
                       {kMask, CornerMask()}})
    {
        m_window.resize(400, 200);
        m_window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    CxSkinButton* MakeButton(SkinButtonKind kind, int nID = 0, QPoint pos = {10, 10})
    {
        auto* pButton = new CxSkinButton(&m_window, kind);
        platform::SetControlId(pButton, nID);
        pButton->move(pos);
        pButton->SetSkin(kNormal, kDown, kOver, 0, 0, kMask, 0, 0, 5);
        pButton->show();
        return pButton;
    }

    CBitmapOverrides m_overrides;
    CCommandRecorder m_window;
};

} // namespace

TEST_F(SkinButtonTest, AClickInsideTheMaskTogglesACheckShowsItDownAndSendsTheCommand)
{
    CxSkinButton* pButton = MakeButton(SkinButtonKind::Check, 1017);
    EXPECT_EQ(pButton->geometry(), QRect(10, 10, 73, 30));
    QTest::mouseClick(pButton, Qt::LeftButton, {}, QPoint(1, 1)); // a white corner misses
    EXPECT_FALSE(pButton->GetCheck());
    QTest::mouseClick(pButton, Qt::LeftButton, {}, QPoint(30, 15));
    EXPECT_TRUE(pButton->GetCheck());
    EXPECT_EQ(PixelOf(*pButton, 4, 4), kDownColor);
    QTest::mouseClick(pButton, Qt::LeftButton, {}, QPoint(30, 15));
    EXPECT_FALSE(pButton->GetCheck());
    EXPECT_EQ(m_window.Commands(), (std::vector<std::uintptr_t>{1017, 1017}));
}

TEST_F(SkinButtonTest, SpaceTogglesACheckAndNeverChecksAPush)
{
    CxSkinButton* pCheck = MakeButton(SkinButtonKind::Check);
    CxSkinButton* pPush = MakeButton(SkinButtonKind::Push, 0, {190, 10});
    QTest::keyClick(pCheck, Qt::Key_Space);
    EXPECT_TRUE(pCheck->GetCheck());
    QTest::keyClick(pCheck, Qt::Key_Space);
    EXPECT_FALSE(pCheck->GetCheck());
    pPush->SetCheck(true);
    QTest::keyClick(pPush, Qt::Key_Space);
    EXPECT_FALSE(pPush->GetCheck());
}
