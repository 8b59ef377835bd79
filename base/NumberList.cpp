#include "base/NumberList.h"

#include "base/TextNumbers.h"

#include <algorithm>
#include <array>
#include <bit>
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace base {

#if defined(__SSE2__) || defined(_M_X64)

namespace {

// A number list's numbers are read from the words that end them, its separators
// found a block of 64 bytes at a time; both may read into the margins.
constexpr std::size_t kBlock = 64;
static_assert(kNumberListMargin >= kBlock && kNumberListMargin >= 2 * swar::kWordBytes);
constexpr std::size_t kLongestList = 1024;
constexpr std::size_t kMostNumbers = 48;

/// Bit i set where byte i of the 64 from p is a blank or a comma.
std::uint64_t SeparatorBits(const char* p)
{
    std::uint64_t nBits = 0;
    for (std::size_t i = 0; i < kBlock / 16; ++i) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        const __m128i separators = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(' ')),
                                                _mm_cmpeq_epi8(bytes, _mm_set1_epi8(',')));
        nBits |= std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(separators))} << (16 * i);
    }
    return nBits;
}

/// The number 16 digit values spell, summed in pairs, fours and eights, each
/// step one multiply-add of all lanes.
std::uint32_t DigitsValue(__m128i digits)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i tens = _mm_set1_epi32(0x0001000A);
    const __m128i pairs = _mm_packs_epi32(_mm_madd_epi16(_mm_unpacklo_epi8(digits, zero), tens),
                                          _mm_madd_epi16(_mm_unpackhi_epi8(digits, zero), tens));
    const __m128i fours = _mm_madd_epi16(pairs, _mm_set1_epi32(0x00010064));
    const __m128i eights =
        _mm_madd_epi16(_mm_packs_epi32(fours, fours), _mm_set1_epi32(0x00012710));
    const auto nHigh = static_cast<std::uint32_t>(_mm_cvtsi128_si32(eights));
    const auto nLow = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(eights, 4)));
    return nHigh * swar::kPowersOfTen[swar::kWordBytes] + nLow;
}

/// The number the n (0 ... 16) bytes before pEnd spell, modulo 2^32, 16 bytes
/// readable before pEnd; false when one of them is no digit. The bytes before
/// them are cleared, to stand as leading zeros.
bool DigitsBefore(const char* pEnd, std::size_t n, std::uint32_t& nValue)
{
    constexpr std::size_t kBytes = 2 * swar::kWordBytes;
    alignas(16) static constexpr std::array<std::array<char, kBytes>, kBytes + 1> kMasks = [] {
        std::array<std::array<char, kBytes>, kBytes + 1> masks{};
        for (std::size_t i = 0; i <= kBytes; ++i)
            std::fill(masks[i].end() - static_cast<std::ptrdiff_t>(i), masks[i].end(), '\xFF');
        return masks;
    }();
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pEnd - kBytes));
    const __m128i digits =
        _mm_and_si128(_mm_sub_epi8(bytes, _mm_set1_epi8('0')),
                      _mm_load_si128(reinterpret_cast<const __m128i*>(kMasks[n].data())));
    nValue = DigitsValue(digits);
    const __m128i digitLanes = _mm_cmpeq_epi8(_mm_min_epu8(digits, _mm_set1_epi8(9)), digits);
    return _mm_movemask_epi8(digitLanes) == 0xFFFF;
}

/// Reads the number of the text's bytes [nBegin, nEnd) into nValue; false
/// unless it is an optional '-' and 1 to 16 digits.
inline bool ReadListNumber(const char* pText, std::size_t nBegin, std::size_t nEnd,
                           std::int32_t& nValue)
{
    const std::uint32_t nNegative = pText[nBegin] == '-' ? 1 : 0;
    const std::size_t nDigits = nEnd - nBegin - nNegative;
    constexpr std::size_t kMostDigits = 2 * swar::kWordBytes;
    std::uint32_t nMagnitude = 0;
    const bool bDigits = DigitsBefore(pText + nEnd, std::min(nDigits, kMostDigits), nMagnitude);
    nValue = swar::Signed(nMagnitude, nNegative);
    return bDigits && nDigits - 1 < kMostDigits;
}

} // namespace

bool ParseStrToIntList(std::string_view text, std::int32_t* pValues, std::size_t nCount,
                       char evenSeparator, char oddSeparator)
{
    if (nCount == 0 || nCount > kMostNumbers || text.empty() || text.size() > kLongestList)
        return false;
    const char* pText = text.data();
    const char separators[] = {evenSeparator, oddSeparator};
    std::array<std::int32_t, kMostNumbers> values{};
    std::size_t nRead = 0;
    std::size_t nBegin = 0;
    bool bGood = true;
    for (std::size_t nBlock = 0; nBlock < text.size(); nBlock += kBlock) {
        const std::size_t nLeft = text.size() - nBlock;
        const std::uint64_t nInText =
            nLeft >= kBlock ? ~std::uint64_t{0} : (std::uint64_t{1} << nLeft) - 1;
        // Every other byte belongs to a number, which must be all digits after its sign.
        for (std::uint64_t nBits = SeparatorBits(pText + nBlock) & nInText; nBits != 0;
             nBits &= nBits - 1) {
            const std::size_t nEnd = nBlock + static_cast<std::size_t>(std::countr_zero(nBits));
            if (nRead + 1 == nCount)
                return false;
            bGood &= pText[nEnd] == separators[nRead % 2];
            bGood &= ReadListNumber(pText, nBegin, nEnd, values[nRead++]);
            nBegin = nEnd + 1;
        }
    }
    if (nRead + 1 != nCount)
        return false;
    bGood &= ReadListNumber(pText, nBegin, text.size(), values[nRead]);
    if (bGood)
        std::copy_n(values.begin(), nCount, pValues);
    return bGood;
}

#else

bool ParseStrToIntList(std::string_view, std::int32_t*, std::size_t, char, char)
{
    return false;
}

#endif

} // namespace base
