#include "fields/FieldNotice.h"

namespace fields {

std::optional<FieldNotice> FieldNoticeOf(const platform::KeyInput& key)
{
    if (key.bAlt)
        return std::nullopt;
    switch (key.nVirtualKey) {
    case platform::kVkTab:
        return key.bShift ? FieldNotice::BackTab : FieldNotice::Tab;
    case platform::kVkReturn:
        return FieldNotice::Enter;
    case platform::kVkEscape:
        return FieldNotice::Escape;
    default:
        return std::nullopt;
    }
}

platform::FontDesc DefaultFieldFont()
{
    return {L"Arial", -5, platform::kWeightNormal};
}

} // namespace fields
