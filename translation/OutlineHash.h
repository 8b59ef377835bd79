#pragma once
// The hash of an outline, built from its last stroke backwards: the translator
// looks back from a new stroke over the strokes before it, and extends one hash
// a stroke at a time instead of hashing every candidate outline afresh.

#include "steno/StenoKeys.h"

#include <cstddef>
#include <cstdint>

namespace translation {

inline constexpr std::uint64_t kOutlineHashSeed = 0x243F6A8885A308D3;

/// The hash of the outline made of stroke followed by the strokes hashed into nHash.
constexpr std::uint64_t ExtendOutlineHash(std::uint64_t nHash, steno::KeyBits stroke)
{
    std::uint64_t x = nHash ^ (std::uint64_t{stroke} * 0x9E3779B97F4A7C15);
    x ^= x >> 33;
    x *= 0xFF51AFD7ED558CCD;
    x ^= x >> 29;
    return x;
}

constexpr std::uint64_t OutlineHash(const steno::KeyBits* pStrokes, std::size_t nStrokes)
{
    std::uint64_t nHash = kOutlineHashSeed;
    while (nStrokes > 0)
        nHash = ExtendOutlineHash(nHash, pStrokes[--nStrokes]);
    return nHash;
}

} // namespace translation
