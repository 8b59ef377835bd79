#include "statistics/TargetStroke.h"

#include "statistics/PauseCounter.h"
#include "statistics/SpeedCounter.h"

#include <algorithm>

namespace statistics {

namespace {

template <typename Match>
int FirstIndex(std::span<const CStenoStroke> strokes, int nFirstIndex, std::size_t nFrom,
               Match match)
{
    for (std::size_t i = nFrom; i < strokes.size(); ++i) {
        if (match(i))
            return nFirstIndex + static_cast<int>(i);
    }
    return -1;
}

} // namespace

int StrokeForTarget(const PlotTarget& target, std::span<const CStenoStroke> strokes,
                    int nFirstIndex)
{
    switch (target.kind) {
    case TargetKind::Stroke: {
        const std::int64_t nIndex = target.nFrom - nFirstIndex;
        const bool bInside = nIndex >= 0 && nIndex < static_cast<std::int64_t>(strokes.size());
        return bInside ? static_cast<int>(target.nFrom) : -1;
    }
    case TargetKind::Minutes:
        return FirstIndex(strokes, nFirstIndex, 0, [&](std::size_t i) {
            const std::int64_t nMinute = MinuteOf(strokes[i].m_time);
            return nMinute >= target.nFrom && nMinute < target.nTo;
        });
    case TargetKind::PauseBin:
        // As the pause counter counts: a stroke timed before the one above makes no pause.
        return FirstIndex(strokes, nFirstIndex, 1, [&](std::size_t i) {
            const std::int64_t gap = strokes[i].m_time - strokes[i - 1].m_time;
            return gap >= 0 && PauseBin(static_cast<double>(gap)) == target.nFrom;
        });
    }
    return -1;
}

} // namespace statistics
