#pragma once
// Picking the largest of a row of font sizes that still fits: the list, the
// stroke monitor and the time monitor all size their text this way.

#include "platform/core/Geometry.h"
#include "platform/core/TextMeasurer.h"

#include <functional>
#include <span>
#include <string_view>

namespace platform {

/// Fonts of growing size, index 0 the smallest.
using FontSizes = std::span<const TextMeasurer* const>;

/// The largest index below nCount for which fits holds, tried from the top
/// down; 0 when none does.
int LargestFitting(int nCount, const std::function<bool(int)>& fits);

struct FontChoice
{
    int nFont = 0;
    Size extent; ///< the sample measured in the chosen font
};

/// The largest font whose extent of the sample fits; the smallest when none does.
FontChoice ChooseLargestFont(FontSizes fonts, std::wstring_view sample,
                             const std::function<bool(Size)>& fits);

} // namespace platform
