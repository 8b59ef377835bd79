#include "monitors/MonitorText.h"

#include <algorithm>

namespace monitors {

FontChoice ChooseLargestFont(MonitorFonts fonts, std::wstring_view sample,
                             const std::function<bool(platform::Size)>& fits)
{
    FontChoice choice;
    for (int i = static_cast<int>(fonts.size()) - 1; i >= 0; --i) {
        choice = {i, fonts[static_cast<std::size_t>(i)]->TextExtent(sample)};
        if (fits(choice.extent))
            break;
    }
    return choice;
}

platform::ColorRef LetterColor(bool bDown, int nValue)
{
    if (!bDown)
        return platform::kWhite;
    return nValue != 0 && nValue % 2 == 0 ? kLetterGrey : platform::kBlack;
}

platform::Point KeepWithin(const platform::Rect& rcWindow, const platform::Rect& rcArea)
{
    const int x = std::min(rcWindow.left, rcArea.right - rcWindow.Width());
    const int y = std::min(rcWindow.top, rcArea.bottom - rcWindow.Height());
    return {std::max(x, rcArea.left), std::max(y, rcArea.top)};
}

} // namespace monitors
