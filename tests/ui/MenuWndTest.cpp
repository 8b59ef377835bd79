#include "framework/CommandIds.h"
#include "framework/EditMenuWnd.h"
#include "framework/FileMenuWnd.h"
#include "framework/MenuTables.h"

#include "PlatformTestSupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace testsupport;
using namespace framework;

namespace {

const QColor kBackground(20, 40, 160);
const QColor kHoverBar(220, 30, 30);
const QColor kSeparator(30, 200, 30);

/// The main window stand-in: records commands and the keys that reach it.
class CMenuOwner : public CCommandRecorder
{
public:
    using CCommandRecorder::CCommandRecorder;
    int m_nKeysReached = 0;

protected:
    void keyPressEvent(QKeyEvent*) override { ++m_nKeysReached; }
};

class MenuWndTest : public ::testing::Test
{
protected:
    MenuWndTest()
        : m_overrides({{kFileMenuBackground, SolidPixmap(190, 191, kBackground)},
                       {kEditMenuBackground, SolidPixmap(190, 254, kBackground)},
                       {kMenuHoverBar, SolidPixmap(182, 22, kHoverBar)},
                       {kMenuSeparator, SolidPixmap(177, 2, kSeparator)}})
    {
        m_owner.resize(500, 400);
        m_pOther = new QLineEdit(&m_owner);
        m_pOther->move(300, 300);
        m_file.Create(&m_owner, IDC_FILE_MENU, {5, 76});
        m_edit.Create(&m_owner, IDC_EDIT_MENU, {85, 76});
        m_owner.show();
        QApplication::setActiveWindow(&m_owner);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_owner));
    }

    static QImage Band(CBaseMenuWnd& menu, int nIndex)
    {
        const auto& rc = menu.Items()[static_cast<std::size_t>(nIndex)].rcItem;
        return menu.grab(QRect(0, rc.top, menu.width(), rc.Height())).toImage();
    }

    CBitmapOverrides m_overrides;
    CMenuOwner m_owner;
    QLineEdit* m_pOther = nullptr;
    CFileMenuWnd m_file;
    CEditMenuWnd m_edit;
};

/// Pixels of the grey level (within the smoothing's reach) in the image.
int CountGrey(const QImage& image, int nLevel)
{
    int nCount = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            nCount += std::abs(c.red() - nLevel) <= 8 && std::abs(c.green() - nLevel) <= 8 &&
                      std::abs(c.blue() - nLevel) <= 8;
        }
    }
    return nCount;
}

} // namespace

TEST_F(MenuWndTest, HoverBarStartsOnTheFirstEntryAndFollowsTheMouse)
{
    EXPECT_FALSE(m_file.isVisible());
    m_file.Open();
    EXPECT_EQ(m_file.geometry(), QRect(5, 76, 190, 191)); // sized to its background
    EXPECT_TRUE(m_file.hasFocus());
    EXPECT_EQ(PixelOf(m_file, 8, 11 + 20), kHoverBar);
    EXPECT_EQ(PixelOf(m_file, 8, 126), kSeparator);
    QTest::mouseMove(&m_file, QPoint(60, 45));
    EXPECT_EQ(PixelOf(m_file, 8, 34 + 10), kHoverBar);
    EXPECT_EQ(PixelOf(m_file, 8, 11 + 10), kBackground);
}

TEST_F(MenuWndTest, DisabledEntryIsOutlinedInGrey)
{
    m_file.Open();
    const QImage recent = Band(m_file, 6);
    EXPECT_GT(CountGrey(recent, 120), 20);
    EXPECT_EQ(CountGrey(recent, 0), 0);
    const QImage exit = Band(m_file, 8);
    EXPECT_GT(CountGrey(exit, 0), 20);
    // Only the smoothing between black and white comes near that grey here.
    EXPECT_LT(CountGrey(exit, 120) * 5, CountGrey(recent, 120));
}

TEST_F(MenuWndTest, EnterRunsTheHoveredEntrysCommandOnTheTargetElseTheOwner)
{
    m_edit.Open();
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(&m_edit, Qt::Key_Down);
    QTest::keyClick(&m_edit, Qt::Key_Return);
    EXPECT_FALSE(m_edit.isVisible());
    EXPECT_EQ(m_owner.Commands(), (std::vector<std::uintptr_t>{ID_EDIT_REPLACE}));
    EXPECT_EQ(m_owner.m_nKeysReached, 0);

    CCommandRecorder target;
    m_file.SetCommandTarget(&target);
    m_file.Open();
    QTest::keyClick(&m_file, Qt::Key_Return);
    EXPECT_EQ(target.Commands(), (std::vector<std::uintptr_t>{ID_FILE_OPEN}));
    EXPECT_EQ(m_owner.Commands().size(), 1u);
}

TEST_F(MenuWndTest, LosingTheFocusHidesWithoutACommand)
{
    m_file.Open();
    m_pOther->setFocus();
    EXPECT_FALSE(m_file.isVisible());
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(m_owner.Commands().empty());
}
