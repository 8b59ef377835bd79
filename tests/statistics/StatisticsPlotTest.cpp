// The plots of the statistics window as shapes and targets, laid out with fixed text widths.
#include "statistics/KeyPlots.h"
#include "statistics/PausePlot.h"
#include "statistics/PlotScale.h"
#include "statistics/StatisticsLayout.h"
#include "tests/support/FileTestSupport.h"
#include "tests/support/FixedMeasurer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace statistics;

const FixedMeasurer kMeasurer(6, 12);
constexpr std::int64_t kMinute0 = 28578720; // 2024-05-03 08:00 UTC

SpeedStatistics Speed(std::int64_t nFirst, std::int64_t nMinutes, std::vector<MinuteCount> minutes)
{
    return {std::move(minutes), nFirst, nMinutes};
}

std::vector<PlotFill> FillsOf(const PlotPicture& picture, PlotInk ink)
{
    std::vector<PlotFill> fills;
    std::copy_if(picture.fills.begin(), picture.fills.end(), std::back_inserter(fills),
                 [ink](const PlotFill& fill) { return fill.ink == ink; });
    return fills;
}

const PlotLabel* LabelOf(const PlotPicture& picture, const std::wstring& strText)
{
    const auto it = std::find_if(picture.labels.begin(), picture.labels.end(),
                                 [&](const PlotLabel& label) { return label.strText == strText; });
    return it == picture.labels.end() ? nullptr : &*it;
}

bool Inside(const platform::Rect& rc, platform::Size view)
{
    return rc.left >= 0 && rc.top >= 0 && rc.right <= view.cx && rc.bottom <= view.cy;
}

// Every minute of the span falls in exactly one column, columns run left to
// right without gaps, and a column's first minute is the first that falls in it.
TEST(StatisticsPlotTest, MinuteColumnsCoverEveryMinuteOnce)
{
    for (int nMinutes = 1; nMinutes <= 40; ++nMinutes) {
        for (int nWidth = 1; nWidth <= 30; ++nWidth) {
            const MinuteColumns columns(Speed(kMinute0, nMinutes, {}), 7, nWidth);
            ASSERT_EQ(columns.nColumns, std::min(nMinutes, nWidth));
            EXPECT_EQ(columns.LeftOf(0), 7);
            EXPECT_EQ(columns.LeftOf(columns.nColumns), 7 + nWidth);
            EXPECT_EQ(columns.ColumnOf(kMinute0 - 1), -1);
            EXPECT_EQ(columns.ColumnOf(kMinute0 + nMinutes), -1);
            for (std::int64_t m = kMinute0; m < kMinute0 + nMinutes; ++m) {
                const int c = columns.ColumnOf(m);
                ASSERT_GE(c, 0);
                EXPECT_LE(columns.FirstMinuteOf(c), m);
                EXPECT_GT(columns.FirstMinuteOf(c + 1), m) << nMinutes << " " << nWidth;
                EXPECT_LT(columns.LeftOf(c), columns.LeftOf(c + 1));
            }
        }
    }
}

// A minute without strokes has neither bar nor target; a column standing for
// several minutes shows the busiest of them.
TEST(StatisticsPlotTest, SpeedBarsAndTheirTargets)
{
    PlotPicture picture;
    const SpeedStatistics spread = Speed(kMinute0, 4, {{kMinute0, 2}, {kMinute0 + 1, 8}, {kMinute0 + 3, 4}});
    const SpeedPlot plot = LayOutSpeed(picture, spread, {0, 0, 400, 182}, kMeasurer);
    const std::vector<PlotFill> bars = FillsOf(picture, PlotInk::Bar);
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_EQ(bars[1].rc.top, plot.rcPlot.top); // 8 is the axis's top
    EXPECT_EQ(bars[0].rc.Height() * 4, bars[1].rc.Height());
    EXPECT_EQ(bars[2].rc.Height() * 2, bars[1].rc.Height());
    ASSERT_EQ(picture.targets.size(), 3u);
    EXPECT_EQ(picture.targets[2].kind, TargetKind::Minutes);
    EXPECT_EQ(picture.targets[2].nFrom, kMinute0 + 3);
    EXPECT_EQ(picture.targets[2].nTo, kMinute0 + 4);

    // 1000 minutes on fewer pixels: one minute of 50 strokes among ones.
    std::vector<MinuteCount> minutes;
    for (std::int64_t m = 0; m < 1000; ++m)
        minutes.push_back({kMinute0 + m, m == 500 ? 50 : 1});
    PlotPicture crowded;
    const SpeedPlot narrow =
        LayOutSpeed(crowded, Speed(kMinute0, 1000, minutes), {0, 0, 300, 200}, kMeasurer);
    const std::vector<PlotFill> columns = FillsOf(crowded, PlotInk::Bar);
    ASSERT_EQ(columns.size(), static_cast<std::size_t>(narrow.columns.nColumns));
    const auto tallest = std::min_element(columns.begin(), columns.end(), [](auto& a, auto& b) {
        return a.rc.top < b.rc.top;
    });
    EXPECT_EQ(tallest - columns.begin(), narrow.columns.ColumnOf(kMinute0 + 500));
    EXPECT_EQ(std::count_if(columns.begin(), columns.end(),
                            [&](const PlotFill& fill) { return fill.rc.top == tallest->rc.top; }),
              1);
}

// Marks fall on local hours, or on local midnights once hours crowd.
TEST(StatisticsPlotTest, HourMarksAtLocalTimes)
{
    const CScopedTimeZone zone(kUtcZone);
    PlotPicture picture;
    const SpeedPlot plot = LayOutSpeed(picture, Speed(kMinute0 + 30, 160, {{kMinute0 + 30, 1}}),
                                       {0, 0, 700, 200}, kMeasurer);
    for (const wchar_t* pszHour : {L"09:00", L"10:00", L"11:00"})
        EXPECT_NE(LabelOf(picture, pszHour), nullptr) << pszHour;
    EXPECT_EQ(LabelOf(picture, L"08:00"), nullptr);
    const PlotLabel* pNine = LabelOf(picture, L"09:00");
    ASSERT_NE(pNine, nullptr);
    EXPECT_EQ((pNine->rc.left + pNine->rc.right) / 2,
              plot.rcPlot.left + 30 * plot.rcPlot.Width() / 160);

    PlotPicture days;
    LayOutSpeed(days, Speed(kMinute0, 3 * 1440, {{kMinute0, 1}}), {0, 0, 150, 200}, kMeasurer);
    EXPECT_NE(LabelOf(days, L"05-04"), nullptr);
    EXPECT_NE(LabelOf(days, L"05-05"), nullptr);
    EXPECT_EQ(LabelOf(days, L"09:00"), nullptr);
}

TEST(StatisticsPlotTest, TheCurrentMinuteIsMarkedWideEnoughToSee)
{
    SpeedPlot plot;
    plot.rcPlot = {10, 20, 110, 80};
    plot.columns = MinuteColumns(Speed(kMinute0, 1000, {}), 10, 100);
    EXPECT_TRUE(CurrentMinuteMark(plot, kMinute0 - 1).IsEmpty());
    const platform::Rect rcNarrow = CurrentMinuteMark(plot, kMinute0 + 500);
    EXPECT_EQ(rcNarrow.Width(), 7);
    EXPECT_EQ((rcNarrow.left + rcNarrow.right) / 2, 60);
    plot.columns = MinuteColumns(Speed(kMinute0, 10, {}), 10, 100);
    EXPECT_EQ(CurrentMinuteMark(plot, kMinute0 + 3), (platform::Rect{40, 20, 50, 80}));
}

TEST(StatisticsPlotTest, ValueAxesEndAtARoundTop)
{
    struct Row
    {
        double maxValue;
        int nHeight;
        double top;
        double step;
    };
    const Row rows[] = {{0, 100, 1, 1}, {9, 100, 10, 5}, {1234, 100, 1500, 500}, {100, 30, 100, 100}};
    for (const Row& row : rows) {
        const ValueAxis axis = MakeValueAxis(row.maxValue, 0, row.nHeight, 22);
        EXPECT_EQ(axis.top, row.top) << row.maxValue;
        EXPECT_EQ(axis.step, row.step) << row.maxValue;
        EXPECT_EQ(axis.Y(0), row.nHeight);
        EXPECT_EQ(axis.Y(axis.top * 2), 0);
    }
}

TEST(StatisticsPlotTest, PauseBinsAreTargetsUnderTheirScale)
{
    PauseStatistics pauses;
    pauses.bins[0] = 3;
    pauses.bins[6] = 5;
    pauses.bins[kPauseBinCount - 1] = 1;
    PlotPicture picture;
    LayOutPauses(picture, pauses, {0, 0, 460, 160}, kMeasurer);
    ASSERT_EQ(picture.targets.size(), 3u);
    EXPECT_EQ(picture.targets[1].kind, TargetKind::PauseBin);
    EXPECT_EQ(picture.targets[1].nFrom, 6);
    // One second lies in bin 6, where the scale says "1 s".
    const PlotLabel* pSecond = LabelOf(picture, L"1 s");
    ASSERT_NE(pSecond, nullptr);
    const int xSecond = (pSecond->rc.left + pSecond->rc.right) / 2;
    EXPECT_GE(xSecond, picture.targets[1].rc.left);
    EXPECT_LT(xSecond, picture.targets[1].rc.right);
}

// Rows stop where the room ends; each names its stroke, counted from 1 on the screen.
TEST(StatisticsPlotTest, LongestPausesAsRowsThatFit)
{
    PauseStatistics pauses;
    for (int i = 0; i < 20; ++i)
        pauses.longest.push_back({100 + i, 3720 - i});
    PlotPicture picture;
    LayOutLongestPauses(picture, pauses, {0, 0, 200, 6 * 14 + 1}, kMeasurer);
    ASSERT_EQ(picture.targets.size(), 5u);
    EXPECT_EQ(picture.targets[4].nFrom, 104);
    EXPECT_NE(LabelOf(picture, L"105"), nullptr);
    const std::pair<std::int64_t, const wchar_t*> texts[] = {
        {0, L"0 s"}, {59, L"59 s"}, {185, L"3 min 05 s"}, {3720, L"1 h 02 min"}};
    for (const auto& [nSeconds, pszText] : texts)
        EXPECT_EQ(PauseText(nSeconds), pszText);
}

// A key whose values are all equal draws its box as a line; a key the
// writer always marks reaches the top of the marked plot.
TEST(StatisticsPlotTest, KeyBoxesAndMarkedRates)
{
    KeyTable keys{};
    for (int n = 0; n < steno::kKeyCount; ++n)
        keys[static_cast<std::size_t>(n)].nKey = n;
    keys[steno::kKeyA].values = {4, 10, 50, 20, 30, 40, 1, {}};
    keys[steno::kKeyA].nDown = 4;
    keys[steno::kKeyA].nMarked = 1;
    keys[steno::kKeyO].values = {4, 25, 25, 25, 25, 25, 1, {}};
    keys[steno::kKeyO].nDown = 4;
    keys[steno::kKeyO].nMarked = 4;
    PlotPicture picture;
    LayOutKeys(picture, keys, {0, 0, 600, 200}, {0, 210, 600, 300}, kMeasurer);
    const std::vector<PlotFill> boxes = FillsOf(picture, PlotInk::Box);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_GT(boxes[0].rc.Height(), 1);
    EXPECT_EQ(boxes[1].rc.Height(), 1);
    EXPECT_LT(boxes[0].rc.right, boxes[1].rc.left); // A before O
    const std::vector<PlotFill> marked = FillsOf(picture, PlotInk::Marked);
    ASSERT_EQ(marked.size(), 2u);
    EXPECT_EQ(marked[1].rc.Height(), 4 * marked[0].rc.Height());
    const auto median = std::find_if(picture.lines.begin(), picture.lines.end(),
                                     [](const PlotLine& line) { return line.ink == PlotInk::Median; });
    ASSERT_NE(median, picture.lines.end());
    EXPECT_GT(median->from.y, boxes[0].rc.top);
    EXPECT_LT(median->from.y, boxes[0].rc.bottom);
}

// However small the view, nothing is drawn or clickable outside it.
TEST(StatisticsPlotTest, TheWholePictureStaysInTheView)
{
    StrokeStatistics stats;
    stats.nStrokes = 3;
    stats.speed = Speed(kMinute0, 90, {{kMinute0, 2}, {kMinute0 + 89, 1}});
    stats.pauses.bins[5] = 2;
    stats.pauses.longest = {{2, 5340}, {1, 3}};
    stats.misstrokes.top = {{L"KAT", L"", 1, 0}};
    for (int n = 0; n < steno::kKeyCount; ++n)
        stats.keys[static_cast<std::size_t>(n)] = {n, 3, 1, {3, 1, 400, 2, 3, 4, 1, {1}}};
    for (const platform::Size view : {platform::Size{630, 352}, platform::Size{1400, 900}}) {
        const StatisticsLayout layout = LayOutStatistics(stats, view, kMeasurer);
        for (const PlotFill& fill : layout.picture.fills)
            EXPECT_TRUE(Inside(fill.rc, view));
        for (const PlotLabel& label : layout.picture.labels)
            EXPECT_TRUE(Inside(label.rc, view)) << std::string(label.strText.begin(), label.strText.end());
        for (const PlotTarget& target : layout.picture.targets)
            EXPECT_TRUE(Inside(target.rc, view));
        EXPECT_EQ(layout.picture.labels.front().strText.substr(0, 17), L"Strokes 1 to 3  \u00B7");
    }
    EXPECT_EQ(SummaryText(StrokeStatistics{}), L"No strokes");
}

} // namespace
