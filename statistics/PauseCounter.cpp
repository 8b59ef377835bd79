#include "statistics/PauseCounter.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace statistics {

namespace {

const double kScaleLog = std::log(kLongestPause / kShortestPause);

} // namespace

double PauseBinStart(int nBin)
{
    if (nBin <= 0)
        return 0;
    return kShortestPause * std::exp(kScaleLog * (nBin - 1) / kPauseScaleBins);
}

int PauseBin(double seconds)
{
    if (seconds < kShortestPause)
        return 0;
    if (seconds >= kLongestPause)
        return kPauseBinCount - 1;
    const auto nStep =
        static_cast<int>(kPauseScaleBins * std::log(seconds / kShortestPause) / kScaleLog);
    return 1 + std::min(nStep, kPauseScaleBins - 1);
}

void CPauseCounter::Add(int nIndex, std::int64_t time)
{
    const std::int64_t previous = std::exchange(m_previous, time);
    if (std::exchange(m_bFirst, false))
        return;
    if (time < previous) {
        ++m_pauses.nBackwards;
        return;
    }
    const std::int64_t nSeconds = time - previous;
    ++m_pauses.nPauses;
    ++m_pauses.bins[static_cast<std::size_t>(PauseBin(static_cast<double>(nSeconds)))];
    Keep({nIndex, nSeconds});
}

void CPauseCounter::Keep(const LongPause& pause)
{
    std::vector<LongPause>& longest = m_pauses.longest;
    if (longest.size() == kLongPauseCount && longest.back().nSeconds >= pause.nSeconds)
        return;
    const auto at = std::upper_bound(
        longest.begin(), longest.end(), pause,
        [](const LongPause& a, const LongPause& b) { return a.nSeconds > b.nSeconds; });
    longest.insert(at, pause);
    if (longest.size() > kLongPauseCount)
        longest.pop_back();
}

} // namespace statistics
