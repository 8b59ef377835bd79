#pragma once
// Writes numbers as "%d" does, eight digits at a time in one 64-bit word
// rather than a digit at a time: a saved stroke file holds 75 numbers a stroke.

#include <bit>
#include <cstdint>
#include <cstring>

namespace base {

namespace decimal {

inline constexpr std::uint64_t kZeros = 0x3030303030303030; ///< eight '0's

/// The eight digits of nValue (below 10^8), leading zeros too, as text in a
/// word whose lowest byte holds the first digit.
inline std::uint64_t EightDigits(std::uint32_t nValue)
{
    // The first four digits in the low half, the last four in the high half;
    // then each half into two pairs, each pair into two digits. Each step
    // divides all lanes at once by a multiplication and a shift, exact for
    // the lane's range.
    std::uint64_t nLanes = nValue / 10000 | std::uint64_t{nValue % 10000} << 32;
    std::uint64_t nHigh = ((nLanes * 10486) >> 20) & 0x0000007F0000007F;
    nLanes = nHigh | (nLanes - nHigh * 100) << 16;
    nHigh = ((nLanes * 103) >> 10) & 0x000F000F000F000F;
    nLanes = nHigh | (nLanes - nHigh * 10) << 8;
    return nLanes | kZeros;
}

inline void StoreWord(char* pOut, std::uint64_t nWord)
{
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(pOut, &nWord, sizeof nWord);
    } else {
        for (int i = 0; i < 8; ++i)
            pOut[i] = static_cast<char>(nWord >> (8 * i));
    }
}

} // namespace decimal

/// The most bytes PutDecimal may store, beyond the text it leaves.
inline constexpr std::size_t kDecimalRoom = 16;

/// Puts nValue at pOut as "%d" would and gives the end of the text. May store
/// up to kDecimalRoom bytes from pOut, the text's and some after it.
inline char* PutDecimal(char* pOut, std::int32_t nValue)
{
    using namespace decimal;
    // Signs and lengths come at random in a file: arithmetic, not branches, takes them.
    const std::uint32_t nNegative = nValue < 0 ? 1 : 0;
    *pOut = '-';
    pOut += nNegative;
    const std::uint32_t nMagnitude = nNegative != 0 ? 0u - static_cast<std::uint32_t>(nValue)
                                                    : static_cast<std::uint32_t>(nValue);
    const std::uint32_t nTop = nMagnitude / 100000000; // up to two digits before the last eight
    const std::uint64_t nLast = EightDigits(nMagnitude % 100000000);
    if (nTop == 0) {
        // The leading zeros of the eight are skipped, the last digit kept.
        const unsigned nZeros =
            static_cast<unsigned>(std::countr_zero((nLast ^ kZeros) | std::uint64_t{1} << 63)) / 8;
        StoreWord(pOut, nLast >> (8 * nZeros));
        return pOut + 8 - nZeros;
    }
    const bool bTwo = nTop >= 10;
    pOut[0] = static_cast<char>('0' + (bTwo ? nTop / 10 : nTop));
    pOut[1] = static_cast<char>('0' + nTop % 10);
    pOut += bTwo ? 2 : 1;
    StoreWord(pOut, nLast);
    return pOut + 8;
}

} // namespace base
