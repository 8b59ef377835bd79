#include "framework/AnchorLayout.h"

namespace framework {
namespace {

// Integer division truncating toward zero, as the margins were always measured.
constexpr int Percent(int nLength, int nPercent)
{
    return nLength * nPercent / 100;
}

platform::Point PointIn(platform::Size client, AnchorPoint pt)
{
    return {Percent(client.cx, pt.x), Percent(client.cy, pt.y)};
}

} // namespace

Anchor MakeAnchor(platform::Size client, platform::Rect rcControl, AnchorPoint ptTopLeft,
                  AnchorPoint ptBottomRight)
{
    const platform::Point tl = PointIn(client, ptTopLeft);
    const platform::Point br = PointIn(client, ptBottomRight);
    return {ptTopLeft,
            ptBottomRight,
            {rcControl.left - tl.x, rcControl.top - tl.y},
            {rcControl.right - br.x, rcControl.bottom - br.y}};
}

platform::Rect ArrangeAnchor(const Anchor& anchor, platform::Size client)
{
    const platform::Point tl = PointIn(client, anchor.ptTopLeft);
    const platform::Point br = PointIn(client, anchor.ptBottomRight);
    return {tl.x + anchor.marginTopLeft.x, tl.y + anchor.marginTopLeft.y,
            br.x + anchor.marginBottomRight.x, br.y + anchor.marginBottomRight.y};
}

} // namespace framework
