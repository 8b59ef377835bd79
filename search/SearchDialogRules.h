#pragma once
// What the search dialogs do without a window: the values they open with,
// what each button does, and where Tab and Shift+Tab in a keys field move the focus.

#include "search/SearchDialogLayout.h"
#include "steno/StenoKeys.h"

#include <cstdint>
#include <optional>

namespace doc {
class CStrokeDocument;
}

namespace search {

/// What a button of a search dialog does. Cancel and the close button hide it;
/// an unknown button does nothing at all.
enum class ButtonAction { None, Search, ReplaceAll, Hide };

/// The current stroke's keys, 0 without one.
steno::KeyBits OpeningKeys(const doc::CStrokeDocument& document);
/// The current stroke's time, 0 (1970-01-01 00:00:00 UTC) without one.
std::int64_t OpeningTime(const doc::CStrokeDocument& document);

ButtonAction ActionOf(SearchDialogKind kind, int nID);

/// The control a Tab notice moves the focus to, from the control that has it;
/// none when the notice is dropped.
std::optional<int> TabTarget(SearchDialogKind kind, int nFocusId, bool bShift);

} // namespace search
