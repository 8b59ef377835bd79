#include "framework/BorderlessWindow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class BorderlessWindowTest : public ::testing::Test
{
protected:
    BorderlessWindowTest()
    {
        new CBorderlessWindow(&m_window);
        m_window.setGeometry(100, 100, 200, 120);
        m_pClose = new QPushButton(&m_window);
        m_pClose->setGeometry(165, 4, 31, 31);
        m_pLabel = new QLabel(QStringLiteral("Find"), &m_window);
        m_pLabel->setGeometry(10, 50, 80, 20);
        m_window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    QWidget m_window;
    QPushButton* m_pClose = nullptr;
    QLabel* m_pLabel = nullptr;
};

} // namespace

TEST_F(BorderlessWindowTest, DraggingPastTheDragDistanceMovesTheWindowUntilTheRelease)
{
    // A press alone must not start the move: a window manager that takes the
    // pointer would swallow the second click of a double-click.
    const QPoint ptStart = m_window.pos();
    const int nDistance = QApplication::startDragDistance();
    QTest::mousePress(m_pLabel, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(m_pLabel, QPoint(6, 6));
    EXPECT_EQ(m_window.pos(), ptStart);
    QTest::mouseMove(m_pLabel, QPoint(5, 5 + nDistance));
    EXPECT_EQ(m_window.pos(), ptStart + QPoint(0, nDistance));
    QTest::mouseRelease(m_pLabel, Qt::LeftButton, {}, QPoint(5, 5 + nDistance));
    QTest::mouseMove(&m_window, QPoint(90, 90));
    EXPECT_EQ(m_window.pos(), ptStart + QPoint(0, nDistance));
}

TEST_F(BorderlessWindowTest, AClickOnAButtonDoesNotDrag)
{
    const QPoint ptStart = m_window.pos();
    QTest::mouseClick(m_pClose, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(&m_window, QPoint(90, 90));
    EXPECT_EQ(m_window.pos(), ptStart);
}
