#pragma once
// The stroke list's layout for a client size: the largest of the 20 list fonts
// whose sample row fits, the three column rectangles (and the translation
// column when it is shown), and the whole rows that fit.

#include "platform/core/FontDesc.h"
#include "platform/core/Geometry.h"
#include "platform/core/TextMeasurer.h"
#include "steno/StenoKeys.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace strokelist {

inline constexpr int kListFontCount = 20;
inline constexpr std::wstring_view kTimeSample = L" 00:00:00 AM ";
/// One cell per character in each key column; the last cell is a blank.
inline constexpr std::wstring_view kKeyTemplate = steno::kLetterRow;
inline constexpr int kKeyCellCount = static_cast<int>(kKeyTemplate.size());

namespace detail {
inline constexpr auto kLayoutSampleText = [] {
    constexpr std::wstring_view kLeft = steno::kLetterKeys.substr(0, steno::kFirstRightKey);
    constexpr std::wstring_view kRight = steno::kLetterKeys.substr(steno::kFirstRightKey);
    std::array<wchar_t, kTimeSample.size() + 2 * steno::kKeyCount + 4> text{};
    auto* p = text.data();
    for (const std::wstring_view part :
         {kTimeSample, std::wstring_view(L" "), kLeft, std::wstring_view(L"-"), kRight,
          std::wstring_view(L" "), kKeyTemplate})
        p = std::copy(part.begin(), part.end(), p);
    return text;
}();
} // namespace detail

/// A row as wide as it can get: the time, both key groups, blanks between.
inline constexpr std::wstring_view kLayoutSample{detail::kLayoutSampleText.data(),
                                                 detail::kLayoutSampleText.size()};

/// The translation column at its narrowest: room for a few words.
inline constexpr std::wstring_view kTranslationSample = L" it is for us the living ";

struct ListLayout
{
    int nFont = 0;
    platform::Rect rcTime;
    platform::Rect rcStroke;
    platform::Rect rcRaw;
    platform::Rect rcTranslation; ///< empty while the column is hidden
    int nPageRows = 0;
    /// Left edge of each key cell from its column's left: the summed widths of
    /// the template characters before it, each measured alone, so a key's
    /// letter stands at the same place in every row.
    std::array<int, kKeyCellCount> cellOffsets{};

    int RowHeight() const { return rcTime.Height(); }
};

/// List font i: Arial with a character height of i + 1 pixels. The stroke
/// editor and its fields draw in the font the layout chose.
platform::FontDesc ListFontDesc(int nFont);

/// fonts[i] measures in list font i (character height i + 1). nAvailable is the
/// client width without the scroll bar. With the translation column the font
/// leaves it room for kTranslationSample, the key columns stand one blank
/// apart, and the column takes the rest of the width two blanks after the raw
/// column; without it the layout is the three columns' alone.
ListLayout ComputeListLayout(int nAvailable, int nClientHeight,
                             std::span<const platform::TextMeasurer* const> fonts,
                             bool bTranslation = false);

} // namespace strokelist
