#include "statistics/SpeedCounter.h"

#include <algorithm>

namespace statistics {

void CSpeedCounter::Add(std::int64_t nMinute, std::int64_t nStrokes, std::int64_t nWords)
{
    if (m_runs.empty() || m_runs.back().nMinute != nMinute)
        m_runs.push_back({nMinute, 0, 0});
    m_runs.back().nStrokes += nStrokes;
    m_runs.back().nWords += nWords;
}

SpeedStatistics CSpeedCounter::Finish()
{
    std::sort(m_runs.begin(), m_runs.end(),
              [](const MinuteCount& a, const MinuteCount& b) { return a.nMinute < b.nMinute; });
    SpeedStatistics speed;
    for (const MinuteCount& run : m_runs) {
        if (speed.minutes.empty() || speed.minutes.back().nMinute != run.nMinute)
            speed.minutes.push_back({run.nMinute, 0, 0});
        speed.minutes.back().nStrokes += run.nStrokes;
        speed.minutes.back().nWords += run.nWords;
        speed.nStrokes += run.nStrokes;
        speed.nWords += run.nWords;
    }
    m_runs.clear();
    if (!speed.minutes.empty()) {
        speed.nFirstMinute = speed.minutes.front().nMinute;
        speed.nMinuteCount = speed.minutes.back().nMinute - speed.nFirstMinute + 1;
    }
    return speed;
}

} // namespace statistics
