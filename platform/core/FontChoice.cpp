#include "platform/core/FontChoice.h"

namespace platform {

int LargestFitting(int nCount, const std::function<bool(int)>& fits)
{
    for (int i = nCount - 1; i > 0; --i) {
        if (fits(i))
            return i;
    }
    return 0;
}

FontChoice ChooseLargestFont(FontSizes fonts, std::wstring_view sample,
                             const std::function<bool(Size)>& fits)
{
    const auto extentIn = [&](int i) {
        return fonts[static_cast<std::size_t>(i)]->TextExtent(sample);
    };
    const int nFont =
        LargestFitting(static_cast<int>(fonts.size()), [&](int i) { return fits(extentIn(i)); });
    return {nFont, fonts.empty() ? Size{} : extentIn(nFont)};
}

} // namespace platform
