#pragma once
// What the stroke editor's two fields (the time field and the typed-steno field)
// share: the notices they post to their owner, and the font they start with
// until the owner hands them its own.

#include "platform/core/FontDesc.h"
#include "platform/core/Messages.h"
#include "platform/core/VirtualKeys.h"

#include <cstdint>
#include <optional>

namespace fields {

struct FieldNotice
{
    platform::MessageId nMessage = 0;
    std::uintptr_t wParam = 0;

    bool operator==(const FieldNotice&) const = default;
};

/// Tab (kShiftTab with Shift), Enter and Esc become notices to the owner, on
/// auto-repeat too; every other key, and any key with Alt, gives none.
std::optional<FieldNotice> FieldNoticeOf(const platform::KeyInput& key);

/// Arial with a character height of 5 pixels: tiny on purpose, the owner
/// replaces it with its own font before it shows the field.
platform::FontDesc DefaultFieldFont();

} // namespace fields
