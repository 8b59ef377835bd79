#include "fields/StenoEditLayout.h"

namespace fields {
namespace {

platform::Rect Shrunk(platform::Rect rc)
{
    ++rc.top;
    --rc.bottom;
    return rc;
}

} // namespace

StenoEditLayout LayOutStenoEdit(const platform::Rect& rcClient, int nHyphenWidth)
{
    const int w = nHyphenWidth;
    StenoEditLayout layout;
    layout.rcFill = {rcClient.left + 1, rcClient.top + 1, rcClient.right - 3, rcClient.bottom - 4};
    const int nTop = layout.rcFill.top;
    const int nBottom = layout.rcFill.bottom;
    const int L = layout.rcFill.left;
    const int half = layout.rcFill.Width() / 2 - w - 2;
    layout.rcLeft = {L, nTop, L + half, nBottom};
    // The hyphen is measured from the client origin, not from the white area.
    layout.rcHyphen = {half + 3, nTop, half + 3 + w, nBottom};
    layout.rcRight = {L + half + 3 + w, nTop, L + 2 * half + 2 * w + 4, nBottom};
    layout.rcLeftText = Shrunk(layout.rcLeft);
    layout.rcRightText = Shrunk(layout.rcRight);
    return layout;
}

StenoEditTexts SplitStenoText(std::wstring_view text)
{
    const std::size_t nHyphen = text.find(L'-');
    if (nHyphen == std::wstring_view::npos)
        return {std::wstring(text), {}};
    return {std::wstring(text.substr(0, nHyphen)), std::wstring(text.substr(nHyphen + 1))};
}

} // namespace fields
