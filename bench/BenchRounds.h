#pragma once
// What the view benchmarks share: a document of varied strokes, and the
// summary of timings taken in alternating rounds. The best round is the figure
// compared: on a shared machine it is the one least disturbed by other work.

#include "steno/StenoStroke.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

namespace bench {

/// Varied keys, some of them marked, so rows draw a realistic mix of cells.
inline std::vector<CStenoStroke> VariedStrokes(int nCount)
{
    std::vector<CStenoStroke> strokes(static_cast<std::size_t>(nCount));
    std::uint32_t nSeed = 12345;
    for (int i = 0; i < nCount; ++i) {
        CStenoStroke& stroke = strokes[static_cast<std::size_t>(i)];
        nSeed = nSeed * 1664525U + 1013904223U;
        stroke.m_time = 1700000000 + i;
        stroke.m_rawKeys = (nSeed >> 4) & steno::kAllKeysMask;
        stroke.m_keys = stroke.m_rawKeys;
        stroke.m_keyValues[static_cast<std::size_t>(i % steno::kKeyCount)] = 2;
    }
    return strokes;
}

/// Seconds per call of run over nRepeats calls.
template <typename Run> double SecondsPer(int nRepeats, Run run)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < nRepeats; ++i)
        run();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / nRepeats;
}

struct Summary
{
    double nBest;
    double nMedian;
};

inline Summary Summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values.front(), values[values.size() / 2]};
}

} // namespace bench
