#pragma once
// What the search dialogs do without a window: the values they open with,
// what each button does with the fields and which request it sends, and where
// Tab and Shift+Tab in a keys field move the focus.

#include "platform/core/Messages.h"
#include "search/SearchDialogLayout.h"
#include "strokelist/SearchRequests.h"

#include <cstdint>
#include <optional>

namespace strokelist {
class CStrokeDocument;
}

namespace search {

/// A request posted to the main window.
struct SearchRequest
{
    platform::MessageId nMessage = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;

    bool operator==(const SearchRequest&) const = default;
};

/// What a button press ends in: a request, or the dialog hidden.
struct ButtonOutcome
{
    std::optional<SearchRequest> request;
    bool bHide = false;

    bool operator==(const ButtonOutcome&) const = default;
};

/// The current stroke's keys, 0 without one.
steno::KeyBits OpeningKeys(const strokelist::CStrokeDocument& document);
/// The current stroke's time, 0 (1970-01-01 00:00:00 UTC) without one.
std::int64_t OpeningTime(const strokelist::CStrokeDocument& document);

// Every button, Cancel and the close button included, first takes the field
// values into the dialog's record; an unknown button does nothing at all.
ButtonOutcome PressFindButton(int nID, strokelist::FindStrokeState& state, steno::KeyBits keys);
ButtonOutcome PressReplaceButton(int nID, strokelist::ReplaceStrokeState& state,
                                 steno::KeyBits findKeys, steno::KeyBits replaceKeys);
ButtonOutcome PressGotoTimeButton(int nID, strokelist::GotoTimeState& state, std::int64_t time);

/// The control a Tab notice moves the focus to, from the control that has it;
/// none when the notice is dropped.
std::optional<int> TabTarget(SearchDialogKind kind, int nFocusId, bool bShift);

} // namespace search
