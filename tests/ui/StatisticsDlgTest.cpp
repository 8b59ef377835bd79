// The statistics window in the running main window: a click on a bar makes a
// stroke current, a change to the document computes again, and the numbers
// export through the Save dialog. That it opens from its menu and draws its
// bars is the end-to-end run's.
#include "platform/DialogControls.h"
#include "statistics/StatisticsDlg.h"
#include "statistics/StatisticsView.h"
#include "tests/ui/QuillmarkDlgFixture.h"

using namespace mainwindowtest;

namespace {

constexpr std::int64_t kStart = 1714723200; // a minute's start

/// Three strokes a minute, 20 seconds apart.
std::vector<CStenoStroke> Strokes(int nCount)
{
    std::vector<CStenoStroke> strokes(static_cast<std::size_t>(nCount));
    for (int i = 0; i < nCount; ++i) {
        CStenoStroke& stroke = strokes[static_cast<std::size_t>(i)];
        stroke.m_time = kStart + 20 * i;
        stroke.m_keys = stroke.m_rawKeys = steno::KeyBit(steno::kKeyA);
    }
    return strokes;
}

class StatisticsDlgTest : public QuillmarkDlgFixture
{
protected:
    CStatisticsDlg& Window() { return m_dlg.Statistics(); }
    const statistics::PlotPicture& Picture() { return Window().View()->Layout().picture; }

    /// Opens the window through its menu command and waits for its statistics.
    void OpenAndWait()
    {
        platform::SendCommand(&m_dlg, framework::ID_OPTIONS_STATISTICS);
        ASSERT_TRUE(Window().isVisible());
        WaitForStatistics();
    }

    void WaitForStatistics()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !Window().IsComputing(); }, 10000));
    }
};

TEST_F(StatisticsDlgTest, ABarMakesItsFirstStrokeCurrent)
{
    Document().AssignStrokes(Strokes(30));
    OpenAndWait();
    // Minute 5 holds strokes 15 to 17.
    const auto bar = std::find_if(Picture().targets.begin(), Picture().targets.end(),
                                  [](const statistics::PlotTarget& target) {
                                      return target.kind == statistics::TargetKind::Minutes &&
                                             target.nFrom == kStart / 60 + 5;
                                  });
    ASSERT_NE(bar, Picture().targets.end());
    const QPoint ptBar((bar->rc.left + bar->rc.right) / 2, (bar->rc.top + bar->rc.bottom) / 2);
    QTest::mouseClick(Window().View(), Qt::LeftButton, {}, ptBar);
    EXPECT_EQ(Document().Current(), 15);
}

TEST_F(StatisticsDlgTest, AChangeComputesAgainAndTheNumbersExport)
{
    Document().AssignStrokes(Strokes(30));
    OpenAndWait();
    Document().SetCurrentStroke(0, true);
    Document().DeleteStroke(0);
    EXPECT_TRUE(Window().IsComputing());
    WaitForStatistics();
    EXPECT_EQ(Picture().labels.front().strText.substr(0, 16), L"Strokes 1 to 29 ");

    const std::string strPath = m_folder / "day_statistics.csv";
    m_fileDialogs.Script(Wide(strPath));
    QWidget* pButton = platform::FindControl(&Window(), CStatisticsDlg::kIdExportNumbers);
    ASSERT_NE(pButton, nullptr);
    QTest::mouseClick(pButton, Qt::LeftButton);
    EXPECT_EQ(ReadBytes(strPath).substr(0, 26), "figure,value\r\nstrokes,29\r\n");

    // A hidden window stops counting.
    Window().hide();
    Document().DeleteStroke(0);
    EXPECT_FALSE(Window().IsComputing());
}

} // namespace
