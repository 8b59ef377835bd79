#include "statistics/PlotPicture.h"

namespace statistics {

const PlotTarget* PlotPicture::TargetAt(platform::Point pt) const
{
    for (auto it = targets.rbegin(); it != targets.rend(); ++it) {
        const platform::Rect& rc = it->rc;
        if (pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom)
            return &*it;
    }
    return nullptr;
}

} // namespace statistics
