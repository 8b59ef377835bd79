#pragma once
// A translation as it stands once the strokes are translated: where its strokes
// are, how many, and the dictionary entry it shows or that it is untranslated.

#include "steno/StenoKeys.h"

#include <array>
#include <cstdint>
#include <vector>

namespace translation {

inline constexpr std::uint8_t kUntranslated = 0xFF;
inline constexpr std::uint32_t kContiguous = 0xFFFFFFFF;

/// The keys folded off a stroke's end when the stroke has no entry (-Z, -D, -S,
/// -G, in the order they are tried); a translation names one by its place + 1.
inline constexpr std::array<int, 4> kSuffixKeys = {steno::kKeyZ, steno::kKeyD, steno::kKeyRightS,
                                                   steno::kKeyG};

struct StandingTranslation
{
    std::uint32_t nFirst = 0; ///< its first stroke
    std::uint32_t nLast =
        0; ///< its last stroke; strokes between that are not its own were taken back
    std::uint32_t nEntry = 0;
    std::uint32_t nPositions = kContiguous; ///< where the positions of one with gaps are kept
    std::uint16_t nStrokes = 0;
    std::uint8_t nDict = kUntranslated;
    std::uint8_t nSuffix = 0; ///< 0, or the place + 1 of the suffix key folded off its last stroke

    bool IsTranslated() const { return nDict != kUntranslated; }
    bool IsContiguous() const { return nLast - nFirst + 1 == nStrokes; }
};

/// Translations in stroke order as the translator settles them; the stroke
/// positions of a translation with gaps are kept in positions.
struct TranslationBatch
{
    std::vector<StandingTranslation> translations;
    std::vector<std::uint32_t> positions;

    void Clear()
    {
        translations.clear();
        positions.clear();
    }
};

} // namespace translation
