#pragma once
// One stroke of a backup file: a plain value, copied whole, all zeros when new.

#include "steno/StenoKeys.h"

#include <array>
#include <cstdint>

/// One per-key time: a 64-bit file time (100 ns since 1601) kept as two halves.
struct KeyTime
{
    std::int32_t nLow = 0;
    std::int32_t nHigh = 0;

    friend bool operator==(const KeyTime&, const KeyTime&) = default;
};

using KeyValues = std::array<std::uint16_t, steno::kKeyCount>;
using KeyTimes = std::array<KeyTime, steno::kKeyCount>;

class CStenoStroke
{
public:
    std::int64_t m_time = 0;      ///< seconds since 1970-01-01 00:00:00 UTC
    steno::KeyBits m_keys = 0;    ///< what find, replace and the editor act on
    steno::KeyBits m_rawKeys = 0; ///< the raw stroke, shown in the list
    KeyValues m_keyValues{};      ///< lowest bit marks the key
    KeyTimes m_keyTimes{};

    friend bool operator==(const CStenoStroke&, const CStenoStroke&) = default;
};

namespace steno {

/// The writer marks a key by storing an even, non-zero value for it: the list
/// hides such a key in the stroke column and greys it in the raw column, and the
/// monitors grey its letter.
constexpr bool IsMarked(std::uint16_t nValue)
{
    return nValue != 0 && (nValue & 1) == 0;
}

} // namespace steno

// The record array is sized from this in memory budgets: keep it packed.
static_assert(sizeof(CStenoStroke) == 256);
