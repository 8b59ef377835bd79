#include "base/TextNumbers.h"

#include <algorithm>
#include <array>
#include <limits>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace base {

namespace {

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

bool IsCSpace(char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

// A number list's numbers are read from the words that end them, its separators
// found a block of 64 bytes at a time; both may read into the margins.
constexpr std::size_t kBlock = 64;
static_assert(kNumberListMargin >= kBlock && kNumberListMargin >= 2 * swar::kWordBytes);
constexpr std::size_t kLongestList = 1024;
constexpr std::size_t kMostNumbers = 48;

/// Bit i of each set for byte i of a block of 64.
struct ByteClasses
{
    std::uint64_t nSeparators; ///< blank or comma
    std::uint64_t nMinus;
    std::uint64_t nOther; ///< none of these and no digit
};

ByteClasses ClassifyBlock(const char* p)
{
    ByteClasses classes{0, 0, 0};
#if defined(__SSE2__)
    const auto bits = [](__m128i hits) {
        return std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(hits))};
    };
    for (std::size_t i = 0; i < kBlock / 16; ++i) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        const __m128i separators = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(' ')),
                                                _mm_cmpeq_epi8(bytes, _mm_set1_epi8(',')));
        const __m128i minus = _mm_cmpeq_epi8(bytes, _mm_set1_epi8('-'));
        const __m128i values = _mm_sub_epi8(bytes, _mm_set1_epi8('0'));
        const __m128i digits = _mm_cmpeq_epi8(_mm_min_epu8(values, _mm_set1_epi8(9)), values);
        const __m128i known = _mm_or_si128(_mm_or_si128(separators, minus), digits);
        classes.nSeparators |= bits(separators) << (16 * i);
        classes.nMinus |= bits(minus) << (16 * i);
        classes.nOther |= (bits(known) ^ 0xFFFF) << (16 * i);
    }
#else
    for (std::size_t i = 0; i < kBlock; ++i) {
        const bool bSeparator = p[i] == ' ' || p[i] == ',';
        const bool bMinus = p[i] == '-';
        const bool bDigit = p[i] >= '0' && p[i] <= '9';
        classes.nSeparators |= std::uint64_t{bSeparator} << i;
        classes.nMinus |= std::uint64_t{bMinus} << i;
        classes.nOther |= std::uint64_t{!bSeparator && !bMinus && !bDigit} << i;
    }
#endif
    return classes;
}

/// Where the separators of the text are; false unless there are exactly
/// nWanted, and the text holds nothing but digits, separators and minus signs
/// that begin a number.
bool FindSeparators(const char* pText, std::size_t nSize, std::uint16_t* pAt, std::size_t nWanted)
{
    std::size_t nFound = 0;
    std::uint64_t nBefore = 1; // what comes before the text begins a number too
    for (std::size_t nBlock = 0; nBlock < nSize; nBlock += kBlock) {
        const ByteClasses classes = ClassifyBlock(pText + nBlock);
        const std::uint64_t nInText = nSize - nBlock >= kBlock
                                          ? ~std::uint64_t{0}
                                          : (std::uint64_t{1} << (nSize - nBlock)) - 1;
        const std::uint64_t nSeparators = classes.nSeparators & nInText;
        const std::uint64_t nStarts = (nSeparators << 1) | nBefore;
        if ((classes.nOther & nInText) != 0 || (classes.nMinus & nInText & ~nStarts) != 0)
            return false;
        nBefore = nSeparators >> (kBlock - 1);
        for (std::uint64_t nBits = nSeparators; nBits != 0; nBits &= nBits - 1) {
            if (nFound == nWanted)
                return false;
            pAt[nFound++] = static_cast<std::uint16_t>(nBlock + std::countr_zero(nBits));
        }
    }
    return nFound == nWanted;
}

} // namespace

bool ParseStrToIntList(std::string_view text, std::int32_t* pValues, std::size_t nCount,
                       char evenSeparator, char oddSeparator)
{
    if (nCount == 0 || nCount > kMostNumbers || text.empty() || text.size() > kLongestList)
        return false;
    const char* pText = text.data();
    std::array<std::uint16_t, kMostNumbers> ends{};
    if (!FindSeparators(pText, text.size(), ends.data(), nCount - 1))
        return false;
    const char separators[] = {evenSeparator, oddSeparator};
    for (std::size_t i = 0; i + 1 < nCount; ++i) {
        if (pText[ends[i]] != separators[i % 2])
            return false;
    }
    ends[nCount - 1] = static_cast<std::uint16_t>(text.size());
    // Only digits are left between a number's sign and its end.
    std::array<std::int32_t, kMostNumbers> values{};
    std::size_t nBegin = 0;
    for (std::size_t i = 0; i < nCount; ++i) {
        const std::uint32_t nNegative = pText[nBegin] == '-' ? 1 : 0;
        const std::size_t nDigits = ends[i] - nBegin - nNegative;
        if (nDigits - 1 >= 2 * swar::kWordBytes)
            return false;
        values[i] = swar::Signed(swar::DigitsBefore(pText + ends[i], nDigits), nNegative);
        nBegin = ends[i] + 1u;
    }
    std::copy_n(values.begin(), nCount, pValues);
    return true;
}

int ParseCNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool bNegative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        bNegative = text[i++] == '-';
    // Magnitudes beyond 2^63 saturate as strtol does.
    constexpr std::uint64_t kLimit = std::uint64_t{1} << 63;
    std::uint64_t nMagnitude = 0;
    // Once saturated no digit changes the value: a malformed file's endless
    // digits are not read to their end.
    for (; i < text.size() && IsDigit(text[i]) && nMagnitude != kLimit; ++i) {
        const auto nDigit = static_cast<std::uint64_t>(text[i] - '0');
        nMagnitude = nMagnitude > (kLimit - nDigit) / 10 ? kLimit : nMagnitude * 10 + nDigit;
    }
    long nValue = 0;
    if (bNegative)
        nValue = nMagnitude == kLimit ? std::numeric_limits<long>::min()
                                      : -static_cast<long>(nMagnitude);
    else
        nValue =
            nMagnitude >= kLimit ? std::numeric_limits<long>::max() : static_cast<long>(nMagnitude);
    return static_cast<int>(nValue);
}

} // namespace base
