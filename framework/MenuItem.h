#pragma once
// One entry of a drawn pop-up menu.

#include "platform/core/Geometry.h"

#include <cstdint>
#include <string>

namespace framework {

inline constexpr std::int32_t kMenuItemNormal = 0;
inline constexpr std::int32_t kMenuItemDisabled = 1;

struct MenuItem
{
    std::uint32_t nID = 0; ///< command sent when chosen; 0 marks a separator
    std::wstring strText;
    std::int32_t nAccelChar = 0; ///< index in strText of the character drawn underlined
    platform::Rect rcItem;       ///< the label is drawn from (left, top)
    std::int32_t nState = kMenuItemNormal;

    bool operator==(const MenuItem&) const = default;
};

/// Whether the entry can be hovered and chosen.
constexpr bool IsSelectable(const MenuItem& item)
{
    return item.nID != 0 && item.nState != kMenuItemDisabled;
}

} // namespace framework
