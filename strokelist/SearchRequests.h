#pragma once
// The find, replace and go-to-time requests that the main window runs on the
// document for its three search dialogs. Each dialog keeps its fields in one of
// the plain records below; the start index m_nNext lives there between requests.

#include "platform/core/Prompter.h"
#include "steno/StenoKeys.h"

#include <cstdint>

namespace strokelist {

class CStrokeDocument;

/// Fields of the find dialog.
struct FindStrokeState
{
    steno::KeyBits m_keys = 0;
    int m_nNext = -1; ///< where the next Find starts; -1 from the top
};

/// Fields of the replace dialog.
struct ReplaceStrokeState
{
    steno::KeyBits m_findKeys = 0;
    steno::KeyBits m_replaceKeys = 0;
    int m_nNext = -1; ///< where the next single Replace starts; follows the current stroke
};

/// Fields of the go-to-time dialog.
struct GotoTimeState
{
    std::int64_t m_time = 0; ///< date included: only the current stroke's day matches
    int m_nNext = -1;        ///< where the next search starts; -1 from the top
};

/// WM_FIND_STROKE: the next stroke with the dialog's keys from nStart on.
void RunFindRequest(CStrokeDocument& document, platform::Prompter& prompter, FindStrokeState& state,
                    int nStart);
/// WM_GOTO_TIME: the next stroke written at the dialog's time from nStart on.
void RunGotoTimeRequest(CStrokeDocument& document, platform::Prompter& prompter,
                        GotoTimeState& state, int nStart);
/// WM_REPLACE_STROKE: one replacement from nStart on, or all of them.
void RunReplaceRequest(CStrokeDocument& document, platform::Prompter& prompter,
                       ReplaceStrokeState& state, bool bAll, int nStart);
/// The main window's part of WM_STROKELIST_CURRENT for the replace dialog: a
/// single Replace after the user moved starts at the stroke now current.
void FollowCurrentStroke(ReplaceStrokeState& state, const CStrokeDocument& document);

} // namespace strokelist
