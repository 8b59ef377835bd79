// Which strokes the statistics window counts as the document changes, and
// which stroke a click on its plots makes current.
#include "statistics/PauseCounter.h"
#include "statistics/StrokeRange.h"
#include "statistics/TargetStroke.h"

#include <gtest/gtest.h>

namespace {

using namespace statistics;

TEST(StatisticsTargetTest, TheCountedRangeFollowsChanges)
{
    struct Row
    {
        doc::StrokesChange change;
        StrokeRange after;
    };
    // Strokes [10, 20) of 30 are counted.
    const Row rows[] = {
        {{2, 1, 0, false}, {9, 10}},   // removed before: moves up
        {{9, 1, 0, false}, {9, 10}},   // removed just before
        {{0, 0, 1, false}, {11, 10}},  // inserted before
        {{10, 0, 1, false}, {10, 11}}, // inserted at its start: joins
        {{20, 0, 1, false}, {10, 11}}, // inserted at its end: joins
        {{20, 1, 1, false}, {10, 10}}, // the stroke after it edited
        {{15, 1, 0, false}, {10, 9}},  // removed inside
        {{8, 4, 0, false}, {8, 8}},    // removed across its start
        {{18, 7, 0, false}, {10, 8}},  // removed across its end
        {{12, 2, 5, false}, {10, 13}}, // two replaced by five inside
        {{0, 30, 7, true}, {0, 7}},    // a new document: counted whole
    };
    for (const Row& row : rows) {
        const int nCount = 30 - row.change.nRemoved + row.change.nInserted;
        EXPECT_EQ(FollowChange({10, 10}, row.change, nCount), row.after)
            << row.change.nFirst << " " << row.change.nRemoved << " " << row.change.nInserted;
    }
    // The whole document stays whole when a paste lands at its very start or end.
    EXPECT_EQ(FollowChange({0, 30}, {0, 0, 1, false}, 31), (StrokeRange{0, 31}));
    EXPECT_EQ(FollowChange({0, 30}, {30, 0, 1, false}, 31), (StrokeRange{0, 31}));
    EXPECT_EQ(ClampRange({25, 10}, 30), (StrokeRange{25, 5}));
    EXPECT_EQ(ClampRange({40, 10}, 30), (StrokeRange{30, 0}));
}

TEST(StatisticsTargetTest, ATargetNamesTheFirstStrokeThatFitsIt)
{
    // Document strokes 100 ... 105, seconds from a minute's start; stroke 102
    // was edited to an earlier time.
    const std::int64_t t0 = 60 * 1000;
    std::vector<CStenoStroke> strokes(6);
    const std::int64_t times[] = {0, 30, 10, 75, 200, 200 + 700};
    for (std::size_t i = 0; i < strokes.size(); ++i)
        strokes[i].m_time = t0 + times[i];
    struct Row
    {
        PlotTarget target;
        int nStroke;
    };
    const Row rows[] = {
        {{{}, TargetKind::Stroke, 103}, 103},
        {{{}, TargetKind::Stroke, 99}, -1},
        {{{}, TargetKind::Stroke, 106}, -1},
        {{{}, TargetKind::Minutes, 1001, 1002}, 103},
        {{{}, TargetKind::Minutes, 1000, 1001}, 100},
        {{{}, TargetKind::Minutes, 1002, 1003}, -1},
        // The backward step 30 -> 10 is no pause; 10 -> 75 is the first 65 s pause.
        {{{}, TargetKind::PauseBin, PauseBin(65)}, 103},
        {{{}, TargetKind::PauseBin, PauseBin(30)}, 101},
        {{{}, TargetKind::PauseBin, kPauseBinCount - 1}, 105},
        {{{}, TargetKind::PauseBin, 0}, -1},
    };
    for (const Row& row : rows)
        EXPECT_EQ(StrokeForTarget(row.target, strokes, 100), row.nStroke)
            << static_cast<int>(row.target.kind) << " " << row.target.nFrom;
}

} // namespace
