// The background runner with slow work: the window keeps painting, a progress
// window appears after half a second and can stop the work, and keys typed
// meanwhile reach their window afterwards, in order.
#include "platform/QtBackgroundRunner.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

class CCountingWindow : public QWidget
{
public:
    int m_nPaints = 0;
    std::vector<int> m_keys;

protected:
    void paintEvent(QPaintEvent*) override { ++m_nPaints; }
    void keyPressEvent(QKeyEvent* pEvent) override { m_keys.push_back(pEvent->key()); }
};

QProgressDialog* VisibleProgress()
{
    for (QWidget* pWidget : QApplication::topLevelWidgets()) {
        if (auto* pDialog = qobject_cast<QProgressDialog*>(pWidget); pDialog && pDialog->isVisible())
            return pDialog;
    }
    return nullptr;
}

// Work of about nSteps × 50 ms that reports each step and stops when asked.
auto SlowWork(int nSteps, int& nDone)
{
    return [nSteps, &nDone](IFileProgress& progress) {
        for (nDone = 0; nDone < nSteps; ++nDone) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (!progress.Progress(static_cast<double>(nDone + 1) / nSteps))
                return;
        }
    };
}

class BackgroundRunnerTest : public ::testing::Test
{
protected:
    BackgroundRunnerTest()
    {
        m_window.resize(200, 100);
        m_window.show();
        QApplication::setActiveWindow(&m_window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_window));
        m_window.setFocus();
    }

    CCountingWindow m_window;
    QtBackgroundRunner m_runner{&m_window};
    int m_nDone = 0;
};

} // namespace

TEST_F(BackgroundRunnerTest, SlowWorkShowsItsProgressWhileTheWindowPaintsAndKeysWait)
{
    bool bProgressShown = false;
    int nPaintsBefore = 0;
    QTimer::singleShot(300, [&] { EXPECT_EQ(VisibleProgress(), nullptr); });
    QTimer::singleShot(700, [&] {
        bProgressShown = VisibleProgress() != nullptr;
        nPaintsBefore = m_window.m_nPaints;
        m_window.repaint();
        QTest::keyClick(&m_window, Qt::Key_A);
        QTest::keyClick(&m_window, Qt::Key_B);
    });
    m_runner.Run(L"Loading 'day1.rtf'", true, SlowWork(20, m_nDone));
    EXPECT_TRUE(bProgressShown);
    EXPECT_GT(m_window.m_nPaints, nPaintsBefore);
    EXPECT_TRUE(m_window.m_keys.empty()); // held while the work ran
    QCoreApplication::processEvents();
    EXPECT_EQ(m_window.m_keys, (std::vector<int>{Qt::Key_A, Qt::Key_B}));
    EXPECT_EQ(m_nDone, 20);
    EXPECT_EQ(VisibleProgress(), nullptr);
}

TEST_F(BackgroundRunnerTest, CancelInTheProgressWindowStopsTheWork)
{
    QTimer::singleShot(800, [] {
        if (QProgressDialog* pDialog = VisibleProgress())
            pDialog->cancel();
    });
    m_runner.Run(L"Loading 'day1.rtf'", true, SlowWork(40, m_nDone));
    EXPECT_LT(m_nDone, 40);
}
