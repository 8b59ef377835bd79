#include "statistics/SpreadCounter.h"

#include "steno/KeyTimes.h"
#include "statistics/KeyCounter.h"

#include <algorithm>
#include <limits>

namespace statistics {

namespace {

constexpr std::uint64_t kTicksPerMs = 10000; // key times count 100 ns

} // namespace

void CSpreadCounter::Add(int nIndex, const CStenoStroke& stroke)
{
    std::uint64_t nFirst = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t nLast = 0;
    int nTimed = 0;
    ForEachKey(stroke.m_rawKeys, [&](int nKey) {
        const std::uint64_t nTime =
            steno::FileTimeOf(stroke.m_keyTimes[static_cast<std::size_t>(nKey)]);
        if (nTime == 0)
            return;
        ++nTimed;
        nFirst = std::min(nFirst, nTime);
        nLast = std::max(nLast, nTime);
    });
    if (nTimed < 2)
        return;
    const std::uint64_t nTicks = nLast - nFirst;
    ++m_spread.nStrokes;
    const std::uint64_t nBin = nTicks / (kSpreadBinMs * kTicksPerMs);
    ++m_spread.bins[std::min<std::size_t>(nBin, kSpreadBinCount - 1)];
    if (nTicks > static_cast<std::uint64_t>(m_spread.nThresholdMs) * kTicksPerMs)
        m_spread.stacked.push_back({nIndex, static_cast<double>(nTicks) / kTicksPerMs});
}

} // namespace statistics
