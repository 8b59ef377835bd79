#include "strokelist/ListScrolling.h"

#include <algorithm>

namespace strokelist {

int ScrollLimit(int nCount, int nPageRows)
{
    const int limit = nPageRows == 0 ? nCount : nCount - (nPageRows - 1);
    return std::max(limit, 0);
}

int ClampScrollPos(int nPos, int nCount, int nPageRows)
{
    return std::clamp(nPos, 0, ScrollLimit(nCount, nPageRows));
}

std::optional<int> ScrollBarTarget(ScrollRequest request, int nPos, int nMax, int nStep, int nThumb)
{
    constexpr int kMin = 0;
    switch (request) {
    case ScrollRequest::LineUp:
        return nPos == kMin ? std::nullopt : std::optional(std::max(nPos - 1, kMin));
    case ScrollRequest::LineDown:
        return nPos == nMax ? std::nullopt : std::optional(std::min(nPos + 1, nMax));
    case ScrollRequest::PageUp:
        return nPos == kMin ? std::nullopt : std::optional(std::max(nPos - nStep, kMin));
    case ScrollRequest::PageDown:
        return nPos == nMax ? std::nullopt : std::optional(std::min(nPos + nStep, nMax));
    case ScrollRequest::Thumb:
        return nThumb;
    default:
        return std::nullopt;
    }
}

std::optional<int> WheelTarget(int nDelta, int nLines, int nPos, int nMax)
{
    if (nLines < 1 || nDelta == 0)
        return std::nullopt;
    if (nDelta < 0)
        return nPos == nMax ? std::nullopt : std::optional(std::min(nPos + nLines, nMax));
    return nPos == 0 ? std::nullopt : std::optional(std::max(nPos - nLines, 0));
}

std::optional<int> PageUpTarget(int nPos, int nStep)
{
    if (nPos < 1)
        return std::nullopt;
    return nPos - std::min(nPos, nStep);
}

std::optional<int> PageDownTarget(int nPos, int nStep, int nLimit)
{
    if (nPos >= nLimit)
        return std::nullopt;
    return std::min(nPos + nStep, nLimit);
}

std::optional<int> UpTarget(int nCurrent)
{
    if (nCurrent == -1)
        return 0;
    if (nCurrent > 0)
        return nCurrent - 1;
    return std::nullopt;
}

std::optional<int> DownTarget(int nCurrent, int nCount)
{
    if (nCurrent < nCount - 1)
        return nCurrent + 1;
    return std::nullopt;
}

std::optional<int> PageMoveTarget(int nCurrent, int nStep, int nCount, bool bDown)
{
    if (nCount <= 0)
        return std::nullopt;
    const int nPage = std::max(nStep, 1);
    const int nFrom = std::max(nCurrent, 0);
    return std::clamp(bDown ? nFrom + nPage : nFrom - nPage, 0, nCount - 1);
}

int LastVisibleRow(int nPos, int nPageRows, int nCount)
{
    return std::min(nPos + nPageRows + 1, nCount);
}

int BringIntoViewPosition(int nIndex, int nCount, int nClientHeight, int nRowHeight)
{
    if (nIndex == 0)
        return 0;
    if (nIndex == nCount - 1)
        return nIndex;
    // Before the first layout there is no row height: nothing to centre by.
    const int nHalfPage = nRowHeight > 0 ? nClientHeight / (2 * nRowHeight) : 0;
    return std::max(0, nIndex - nHalfPage);
}

} // namespace strokelist
