#pragma once
// What the stroke editor's two fields (the time field and the typed-steno field)
// share: the notices they give their owner, and the font they start with
// until the owner hands them its own.

#include "platform/core/FontDesc.h"
#include "platform/core/VirtualKeys.h"

#include <optional>

namespace fields {

/// The keys a field hands to its owner at once, inside its own key handling,
/// so that keys typed ahead reach the window the owner leaves them to.
enum class FieldNotice { Tab, BackTab, Enter, Escape };

/// Tab (BackTab with Shift), Enter and Esc become notices to the owner, on
/// auto-repeat too; every other key, and any key with Alt, gives none.
std::optional<FieldNotice> FieldNoticeOf(const platform::KeyInput& key);

/// Arial with a character height of 5 pixels: tiny on purpose, the owner
/// replaces it with its own font before it shows the field.
platform::FontDesc DefaultFieldFont();

} // namespace fields
