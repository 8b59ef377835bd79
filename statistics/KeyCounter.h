#pragma once
// Per key, over the raw keys of the strokes: how often it is down, how often
// the writer marked it (the list greys it), and the values the monitor shows for it.

#include "statistics/ValueCounts.h"
#include "steno/StenoStroke.h"

#include <array>
#include <bit>
#include <cstdint>

namespace statistics {

struct KeyStatistics
{
    int nKey = 0; ///< index in steno order
    std::int64_t nDown = 0;
    std::int64_t nMarked = 0; ///< down with a value steno::IsMarked takes for marked
    ValueSummary values;      ///< of the strokes in which the monitor shows a value for it
};

using KeyTable = std::array<KeyStatistics, steno::kKeyCount>;

class CKeyCounter
{
public:
    void Add(const CStenoStroke& stroke);
    KeyTable Finish() const;

private:
    std::array<std::int64_t, steno::kKeyCount> m_nDown{};
    std::array<std::int64_t, steno::kKeyCount> m_nMarked{};
    std::array<CValueCounts, steno::kKeyCount> m_values;
};

/// Calls visit(index) for each key down in keys, in reverse steno order.
template <typename Visit> void ForEachKey(steno::KeyBits keys, Visit visit)
{
    for (keys &= steno::kAllKeysMask; keys != 0; keys &= keys - 1)
        visit(steno::kKeyCount - 1 - std::countr_zero(keys));
}

} // namespace statistics
