#pragma once
// The 24 steno keys in steno order and the bit layout of a stroke's keys.
// A key's index is its place in both key strings; its bit is always derived
// from the index, because S, T, P and R stand for two keys each. Everything
// that draws or reads key letters takes them from here.

#include <cstdint>
#include <string_view>

namespace steno {

using KeyBits = std::uint32_t;

inline constexpr int kKeyCount = 24;
/// The key letters and a closing blank, for rows of key cells that end in one.
inline constexpr std::wstring_view kLetterRow = L"@#STKPWHRAO*EUFRPBLGTSDZ ";
inline constexpr std::wstring_view kLetterKeys = kLetterRow.substr(0, kKeyCount);
inline constexpr std::wstring_view kNumberKeys = L"@#12K3W4R50*EU6R7B8G9SDZ";

/// Index of the first key of the right half (E); keys 12..23 are bits 11..0.
inline constexpr int kFirstRightKey = 12;
inline constexpr KeyBits kRightHalfMask = 0xFFF;
inline constexpr KeyBits kAllKeysMask = 0xFFFFFF;

constexpr KeyBits KeyBit(int index)
{
    return KeyBits{1} << (kKeyCount - 1 - index);
}

/// The index of the key with this letter, -1 for none. For S, T, P and R the
/// side decides which of the two keys; a letter of one side only is found
/// from either.
constexpr int LetterKeyIndex(wchar_t letter, bool bRightSide)
{
    const auto nRight = kLetterKeys.find(letter, kFirstRightKey);
    const auto nAt =
        bRightSide && nRight != std::wstring_view::npos ? nRight : kLetterKeys.find(letter);
    return nAt == std::wstring_view::npos ? -1 : static_cast<int>(nAt);
}

// Key indexes that the encoder and the typed-chord rules name.
inline constexpr int kKeyAt = 0;
inline constexpr int kKeyNumberBar = 1;
inline constexpr int kKeyLeftS = 2;
inline constexpr int kKeyLeftT = 3;
inline constexpr int kKeyK = 4;
inline constexpr int kKeyLeftP = 5;
inline constexpr int kKeyW = 6;
inline constexpr int kKeyH = 7;
inline constexpr int kKeyLeftR = 8;
inline constexpr int kKeyA = 9;
inline constexpr int kKeyO = 10;
inline constexpr int kKeyStar = 11;
inline constexpr int kKeyE = 12;
inline constexpr int kKeyU = 13;
inline constexpr int kKeyF = 14;
inline constexpr int kKeyRightR = 15;
inline constexpr int kKeyRightP = 16;
inline constexpr int kKeyB = 17;
inline constexpr int kKeyL = 18;
inline constexpr int kKeyG = 19;
inline constexpr int kKeyRightT = 20;
inline constexpr int kKeyRightS = 21;
inline constexpr int kKeyD = 22;
inline constexpr int kKeyZ = 23;

} // namespace steno
