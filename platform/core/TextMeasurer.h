#pragma once
// Measures text in the font a view has selected. Core layout arithmetic takes
// one, so tests can feed it fixed widths while the widgets measure with Qt.

#include "platform/core/Geometry.h"

#include <string_view>

namespace platform {

class TextMeasurer
{
public:
    virtual ~TextMeasurer() = default;
    /// Width and height of the text drawn on one line.
    virtual Size TextExtent(std::wstring_view text) const = 0;

    int TextWidth(std::wstring_view text) const { return TextExtent(text).cx; }
};

} // namespace platform
