#pragma once
// What the two monitor views share: 40 sizes of each font, the colours of keys
// and of their values, and the text steps a view paints.

#include "platform/core/ColorRef.h"
#include "platform/core/FontChoice.h"
#include "platform/core/Geometry.h"
#include "platform/core/TextMeasurer.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace monitors {

/// Entry i of each font array has the character height kSmallestFont + i.
inline constexpr int kMonitorFontCount = 40;
inline constexpr int kSmallestFont = 10;

inline constexpr platform::ColorRef kLetterGrey = platform::kMarkedGrey;
inline constexpr platform::ColorRef kOddKeyBlue = platform::Rgb(0, 0, 255);
inline constexpr platform::ColorRef kEvenKeyGreen = platform::Rgb(0, 90, 0);

using MonitorFonts = platform::FontSizes;
using platform::ChooseLargestFont;
using platform::FontChoice;

/// The font a step is drawn in: the key letters' or the one for values and times.
enum class MonitorFont { Key, Value };

struct MonitorTextStep
{
    int x = 0;
    int y = 0;
    std::wstring strText;
    platform::ColorRef color = platform::kBlack;
    MonitorFont font = MonitorFont::Key;

    bool operator==(const MonitorTextStep&) const = default;
};

/// Whether a key shows its value (halved) or its time: values of 2 and more.
constexpr bool ShowsValue(int nValue)
{
    return nValue >= 2;
}

/// A key that is not down is written in white on the white panel; one that is
/// down is grey when its value is even and not 0, black otherwise.
platform::ColorRef LetterColor(bool bDown, int nValue);

/// Values and times of odd keys are blue, of even keys dark green.
constexpr platform::ColorRef ValueColor(int nKey)
{
    return nKey % 2 != 0 ? kOddKeyBlue : kEvenKeyGreen;
}

/// Where a window of rcWindow's size opens so that it lies within the area, as
/// near rcWindow's place as it can: moved left and up first, right and down if
/// it is larger than the area.
platform::Point KeepWithin(const platform::Rect& rcWindow, const platform::Rect& rcArea);

} // namespace monitors
