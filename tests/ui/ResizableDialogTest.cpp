#include "framework/ResizableDialog.h"

#include "platform/DialogControls.h"

#include <QSizeGrip>
#include <QTest>
#include <gtest/gtest.h>

using namespace framework;

namespace {

class ResizableDialogTest : public ::testing::Test
{
protected:
    ResizableDialogTest()
    {
        m_dialog.resize(400, 300);
        m_pList = new QWidget(&m_dialog);
        m_pList->setGeometry(5, 131, 388, 139); // 5, 131 to 393, 270
        m_pCentre = new QWidget(&m_dialog);
        m_pCentre->setGeometry(190, 10, 20, 20);
        platform::SetControlId(m_pCentre, 1022);
        m_dialog.AddAnchor(m_pList, kTopLeft, kBottomRight);
        m_dialog.AddAnchor(1022, kTopCenter);
        m_dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&m_dialog));
    }

    const QWidget* Grip() const { return m_dialog.findChild<QSizeGrip*>(); }

    CResizableDialog m_dialog;
    QWidget* m_pList = nullptr;
    QWidget* m_pCentre = nullptr;
};

} // namespace

TEST_F(ResizableDialogTest, AnchoredControlsFollowTheSizeWhichNeverGoesBelowTheFirst)
{
    m_dialog.resize(600, 450);
    EXPECT_EQ(m_pList->geometry(), QRect(QPoint(5, 131), QPoint(592, 419)));
    EXPECT_EQ(m_pCentre->geometry(), QRect(290, 10, 20, 20)); // found by its identifier
    m_dialog.resize(200, 100);
    EXPECT_EQ(m_dialog.size(), QSize(400, 300));
    EXPECT_EQ(m_pList->geometry(), QRect(5, 131, 388, 139));
}

TEST_F(ResizableDialogTest, GripSitsInTheCornerAndHidesWhileCountedDown)
{
    ASSERT_NE(Grip(), nullptr);
    m_dialog.resize(500, 350);
    EXPECT_TRUE(Grip()->isVisible());
    EXPECT_EQ(Grip()->geometry().bottomRight(), QPoint(499, 349));

    m_dialog.ShowSizeGrip(false);
    m_dialog.ShowSizeGrip(false);
    m_dialog.ShowSizeGrip(true);
    EXPECT_FALSE(Grip()->isVisible());
    m_dialog.ShowSizeGrip(true);
    EXPECT_TRUE(Grip()->isVisible());
}
