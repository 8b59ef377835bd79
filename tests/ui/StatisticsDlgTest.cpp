// The statistics window in the running main window: Options > Statistics
// opens it and it computes, a click on a bar makes a stroke current, a change
// to the document computes again, and the numbers export through the Save dialog.
#include "platform/DialogControls.h"
#include "statistics/StatisticsDlg.h"
#include "statistics/StatisticsView.h"
#include "tests/ui/QuillmarkDlgFixture.h"

using namespace mainwindowtest;

namespace {

constexpr std::int64_t kStart = 1714723200; // a minute's start

/// Three strokes a minute, 20 seconds apart, each with a key value to plot.
std::vector<CStenoStroke> Strokes(int nCount)
{
    std::vector<CStenoStroke> strokes(static_cast<std::size_t>(nCount));
    for (int i = 0; i < nCount; ++i) {
        CStenoStroke& stroke = strokes[static_cast<std::size_t>(i)];
        stroke.m_time = kStart + 20 * i;
        stroke.m_keys = stroke.m_rawKeys = steno::KeyBit(steno::kKeyA);
        stroke.m_keyValues[steno::kKeyA] = static_cast<std::uint16_t>(101 + 2 * i);
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

    std::wstring Summary() { return Picture().labels.front().strText; }

    QPoint CentreOf(const platform::Rect& rc) const
    {
        return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
};

TEST_F(StatisticsDlgTest, OpensComputesAndABarMakesItsFirstStrokeCurrent)
{
    Document().AssignStrokes(Strokes(30));
    OpenAndWait();
    EXPECT_EQ(Summary().substr(0, 16), L"Strokes 1 to 30 ");
    // Minute 5 holds strokes 15 to 17.
    const auto bar = std::find_if(Picture().targets.begin(), Picture().targets.end(),
                                  [](const statistics::PlotTarget& target) {
                                      return target.kind == statistics::TargetKind::Minutes &&
                                             target.nFrom == kStart / 60 + 5;
                                  });
    ASSERT_NE(bar, Picture().targets.end());
    QTest::mouseClick(Window().View(), Qt::LeftButton, {}, CentreOf(bar->rc));
    EXPECT_EQ(Document().Current(), 15);

    // The bars are on the screen in their colour.
    const QImage image = Window().View()->grab().toImage();
    int nBarPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            nBarPixels += (image.pixel(x, y) & 0xFFFFFF) == 0x4D637E;
    EXPECT_GT(nBarPixels, 100);
}

TEST_F(StatisticsDlgTest, AChangeComputesAgainAndTheNumbersExport)
{
    Document().AssignStrokes(Strokes(30));
    OpenAndWait();
    Document().SetCurrentStroke(0, true);
    Document().DeleteStroke(0);
    EXPECT_TRUE(Window().IsComputing());
    WaitForStatistics();
    EXPECT_EQ(Summary().substr(0, 16), L"Strokes 1 to 29 ");

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
