#pragma once
// The two ways numbers are read from a stroke file's text, and the word-wide
// arithmetic that reads digits eight at a time.

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace base {

/// As the C library's atoi: leading white space, a sign, digits; a value too
/// large for a long saturates, then keeps the low 32 bits. No digits give 0.
int ParseCNumber(std::string_view text);

namespace swar {

// Eight bytes of text handled as one 64-bit word, the first byte lowest.
inline constexpr std::uint64_t kEachByte = 0x0101010101010101;
inline constexpr std::size_t kWordBytes = 8;

inline std::uint64_t LoadWord(const char* p)
{
    std::uint64_t nWord = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&nWord, p, sizeof nWord);
    } else {
        for (std::size_t i = 0; i < kWordBytes; ++i)
            nWord |= std::uint64_t{static_cast<unsigned char>(p[i])} << (8 * i);
    }
    return nWord;
}

/// The word's bytes less '0': digits become 0 ... 9, every other byte something above.
inline std::uint64_t DigitValues(std::uint64_t nWord)
{
    return nWord ^ (kEachByte * '0');
}

/// The top bit of each byte of digit values that is not a digit's, 10 or more.
inline std::uint64_t NonDigitBits(std::uint64_t nValues)
{
    return (((nValues & (kEachByte * 0x7F)) + kEachByte * (0x80 - 10)) | nValues) &
           (kEachByte * 0x80);
}

/// How many of the word's first bytes are digits, 0 ... 8.
inline unsigned LeadingDigits(std::uint64_t nValues)
{
    return static_cast<unsigned>(std::countr_zero(NonDigitBits(nValues))) / 8;
}

/// The number eight digit values spell, zeros standing as leading zeros.
inline std::uint32_t EightDigitsValue(std::uint64_t nValues)
{
    // Pairs of digits, then fours, then all eight, each step one multiplication.
    nValues = nValues * 10 + (nValues >> 8);
    constexpr std::uint64_t kPairs = 0x000000FF000000FF;
    nValues = ((nValues & kPairs) * (100 + (1000000ULL << 32)) +
               ((nValues >> 16) & kPairs) * (1 + (10000ULL << 32))) >>
              32;
    return static_cast<std::uint32_t>(nValues);
}

/// The number the first n (0 ... 8) digit values spell.
inline std::uint32_t DigitsValue(std::uint64_t nValues, unsigned n)
{
    // The n digits move to the top bytes, below them zeros stand as leading zeros.
    if (n < kWordBytes)
        nValues = (nValues << (56 - 8 * n)) << 8;
    return EightDigitsValue(nValues);
}

inline constexpr std::uint32_t kPowersOfTen[] = {1,      10,      100,      1000,     10000,
                                                 100000, 1000000, 10000000, 100000000};

/// The magnitude with its sign; a branch would guess a file's random signs wrong.
inline std::int32_t Signed(std::uint32_t nMagnitude, std::uint32_t nNegative)
{
    const std::uint32_t nMask = 0u - nNegative;
    return static_cast<std::int32_t>((nMagnitude ^ nMask) - nMask);
}

/// Reads the digits at p, up to 16, modulo 2^32; 16 bytes are readable from p.
/// Leaves p after the digits read.
inline std::uint32_t ParseDigits(const char*& p)
{
    const std::uint64_t nFirst = DigitValues(LoadWord(p));
    const unsigned nHead = LeadingDigits(nFirst);
    if (nHead < kWordBytes) {
        p += nHead;
        return DigitsValue(nFirst, nHead);
    }
    const std::uint64_t nSecond = DigitValues(LoadWord(p + kWordBytes));
    const unsigned nTail = LeadingDigits(nSecond);
    p += kWordBytes + nTail;
    return DigitsValue(nFirst, kWordBytes) * kPowersOfTen[nTail] + DigitsValue(nSecond, nTail);
}

/// ParseDigits for text that ends at end.
inline std::uint32_t ParseDigits(const char*& p, const char* end)
{
    constexpr std::size_t kReadable = 2 * kWordBytes;
    const auto nLeft = static_cast<std::size_t>(end - p);
    if (nLeft >= kReadable)
        return ParseDigits(p);
    // A copy gives the words their bytes; the zeros after the text stop the digits.
    char tail[kReadable] = {};
    if (nLeft > 0)
        std::memcpy(tail, p, nLeft);
    const char* pTail = tail;
    const std::uint32_t nValue = ParseDigits(pTail);
    p += pTail - tail;
    return nValue;
}

} // namespace swar

/// As StrToIntW: an optional '-', digits, nothing skipped; wraps modulo 2^32.
/// Reads from p up to end and leaves p after the last character read. Inline:
/// a file holds 72 of these numbers a stroke, read 8 digits at a time.
inline std::int32_t ParseStrToInt(const char*& p, const char* end)
{
    const std::uint32_t nNegative = p != end && *p == '-' ? 1 : 0;
    p += nNegative;
    std::uint32_t nValue = swar::ParseDigits(p, end);
    // Digits beyond the sixteenth, one at a time.
    for (; p != end && static_cast<unsigned char>(*p - '0') <= 9; ++p)
        nValue = nValue * 10 + static_cast<std::uint32_t>(*p - '0');
    return swar::Signed(nValue, nNegative);
}

inline std::int32_t ParseStrToInt(std::string_view text)
{
    const char* p = text.data();
    return ParseStrToInt(p, text.data() + text.size());
}

} // namespace base
