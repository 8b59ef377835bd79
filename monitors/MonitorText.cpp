#include "monitors/MonitorText.h"

#include "steno/StenoStroke.h"

#include <algorithm>

namespace monitors {

platform::ColorRef LetterColor(bool bDown, int nValue)
{
    if (!bDown)
        return platform::kWhite;
    return steno::IsMarked(static_cast<std::uint16_t>(nValue)) ? kLetterGrey : platform::kBlack;
}

platform::Point KeepWithin(const platform::Rect& rcWindow, const platform::Rect& rcArea)
{
    const int x = std::min(rcWindow.left, rcArea.right - rcWindow.Width());
    const int y = std::min(rcWindow.top, rcArea.bottom - rcWindow.Height());
    return {std::max(x, rcArea.left), std::max(y, rcArea.top)};
}

} // namespace monitors
