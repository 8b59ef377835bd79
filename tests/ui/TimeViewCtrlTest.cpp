#include "fields/TimeViewCtrl.h"
#include "tests/support/FileTestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <ctime>

namespace {

constexpr std::int64_t kSevenAm = 1714719600; // 2024-05-03 07:00:00 UTC

/// An owner that keeps the keys that reach it.
class CKeyRecorder : public QWidget
{
public:
    std::vector<int> m_keys;

protected:
    void keyPressEvent(QKeyEvent* pEvent) override { m_keys.push_back(pEvent->key()); }
};

class TimeViewCtrlTest : public testing::Test
{
protected:
    TimeViewCtrlTest()
    {
        m_pTime->SetTime(kSevenAm);
        m_owner.show();
        QApplication::setActiveWindow(&m_owner);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_owner));
        m_pTime->setFocus();
    }

    CScopedTimeZone m_zone{kUtcZone};
    CKeyRecorder m_owner;
    CTimeViewCtrl* m_pTime = new CTimeViewCtrl(&m_owner);
};

} // namespace

// Tab, Enter and Esc are the stroke editor's test.
TEST_F(TimeViewCtrlTest, ArrowsStayInTheFieldDigitsActAndGoOnLikeOtherKeys)
{
    QTest::keyClick(m_pTime, Qt::Key_2);
    QTest::keyClick(m_pTime, Qt::Key_Right);
    QTest::keyClick(m_pTime, Qt::Key_Up);
    QTest::keyClick(m_pTime, Qt::Key_Delete);
    EXPECT_EQ(m_pTime->Time(), kSevenAm + 4 * 3600 + 60); // 11:01:00
    EXPECT_EQ(m_owner.m_keys, (std::vector<int>{Qt::Key_2, Qt::Key_Delete}));
}

TEST_F(TimeViewCtrlTest, FocusOnAnUnsetTimeTakesTheCurrentTime)
{
    m_owner.setFocus();
    m_pTime->SetTime(0);
    const std::int64_t before = std::time(nullptr);
    m_pTime->setFocus();
    EXPECT_GE(m_pTime->Time(), before);
    EXPECT_LE(m_pTime->Time(), static_cast<std::int64_t>(std::time(nullptr)));
}
