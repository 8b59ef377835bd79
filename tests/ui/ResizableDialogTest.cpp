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
        m_pCentre = new QWidget(&m_dialog);
        m_pCentre->setGeometry(190, 10, 20, 20);
        platform::SetControlId(m_pCentre, 1022);
        m_dialog.AddAnchor(1022, kTopCenter);
        m_dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&m_dialog));
    }

    const QWidget* Grip() const { return m_dialog.findChild<QSizeGrip*>(); }

    CResizableDialog m_dialog;
    QWidget* m_pCentre = nullptr;
};

} // namespace

// A control anchored by pointer is the main window's list, in its test.
TEST_F(ResizableDialogTest, AnchoredControlsFollowTheSizeWhichNeverGoesBelowTheFirst)
{
    m_dialog.resize(600, 450);
    EXPECT_EQ(m_pCentre->geometry(), QRect(290, 10, 20, 20));
    m_dialog.resize(200, 100);
    EXPECT_EQ(m_dialog.size(), QSize(400, 300));
    EXPECT_EQ(m_pCentre->geometry(), QRect(190, 10, 20, 20));
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
