#include "fields/FieldNotice.h"

namespace fields {

std::optional<FieldNotice> FieldNoticeOf(const platform::KeyInput& key)
{
    if (key.bAlt)
        return std::nullopt;
    switch (key.nVirtualKey) {
    case platform::kVkTab:
        return FieldNotice{platform::WM_STROKEEDIT_TAB, key.bShift ? platform::kShiftTab : 0};
    case platform::kVkReturn:
        return FieldNotice{platform::WM_STROKEEDIT_ENTER, 0};
    case platform::kVkEscape:
        return FieldNotice{platform::WM_STROKEEDIT_ESCAPE, 0};
    default:
        return std::nullopt;
    }
}

platform::FontDesc DefaultFieldFont()
{
    return {L"Arial", -5, platform::kWeightNormal};
}

} // namespace fields
