#pragma once
// The pauses between strokes in file order: a histogram on a logarithmic scale
// from 0.1 s to 10 minutes, and the longest pauses with the stroke that ended
// each. A stroke written before the one above it (an edit can do that) makes
// no pause; such strokes are counted apart.

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace statistics {

/// Bins spaced evenly in the logarithm between 0.1 s and 600 s, with one bin
/// below 0.1 s in front and one from 600 s on behind.
inline constexpr int kPauseScaleBins = 20;
inline constexpr int kPauseBinCount = kPauseScaleBins + 2;
inline constexpr double kShortestPause = 0.1;
inline constexpr double kLongestPause = 600;
inline constexpr std::size_t kLongPauseCount = 20;

/// Where a bin starts, in seconds: 0 for the first bin, 600 for the last.
double PauseBinStart(int nBin);
/// The bin a pause of that many seconds falls in.
int PauseBin(double seconds);

struct LongPause
{
    int nStroke = 0; ///< the stroke written after the pause
    std::int64_t nSeconds = 0;

    bool operator==(const LongPause&) const = default;
};

struct PauseStatistics
{
    std::array<std::int64_t, kPauseBinCount> bins{};
    std::vector<LongPause> longest; ///< longest first; of equal ones the earlier stroke first
    std::int64_t nPauses = 0;
    std::int64_t nBackwards = 0; ///< strokes timed before the one above, left out
};

class CPauseCounter
{
public:
    /// Stroke nIndex, written at time, follows the stroke added before it.
    void Add(int nIndex, std::int64_t time);
    PauseStatistics Finish() { return std::move(m_pauses); }

private:
    void Keep(const LongPause& pause);

    bool m_bFirst = true;
    std::int64_t m_previous = 0;
    PauseStatistics m_pauses;
};

} // namespace statistics
