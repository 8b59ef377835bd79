#pragma once
// How far apart the keys of each stroke went down: the last minus the first
// key-down time of its raw keys, keys whose time is 0 left out. A stroke whose
// keys went down further apart than a threshold may be two strokes written as one.

#include "steno/StenoStroke.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace statistics {

inline constexpr int kDefaultStackedMs = 50;
/// Bins of 10 ms up to 200 ms, then one for 200 ms and more.
inline constexpr int kSpreadBinMs = 10;
inline constexpr int kSpreadBinCount = 21;

struct StackedStroke
{
    int nStroke = 0;
    double ms = 0;

    bool operator==(const StackedStroke&) const = default;
};

struct SpreadStatistics
{
    std::array<std::int64_t, kSpreadBinCount> bins{};
    std::int64_t nStrokes = 0; ///< strokes with two timed keys or more; the others have no spread
    int nThresholdMs = kDefaultStackedMs;
    std::vector<StackedStroke> stacked; ///< spread above the threshold, in stroke order
};

class CSpreadCounter
{
public:
    /// A threshold below 0 counts as 0.
    explicit CSpreadCounter(int nThresholdMs) { m_spread.nThresholdMs = std::max(nThresholdMs, 0); }

    void Add(int nIndex, const CStenoStroke& stroke);
    SpreadStatistics Finish() { return std::move(m_spread); }

private:
    SpreadStatistics m_spread;
};

} // namespace statistics
