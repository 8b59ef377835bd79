#include "strokelist/SearchRequests.h"

#include "strokelist/StrokeDocument.h"

#include <string>

namespace strokelist {
namespace {

// After a hit the next search starts behind it, and from the top after the last stroke.
int NextAfterCurrent(const CStrokeDocument& document)
{
    const int nNext = document.Current() + 1;
    return nNext >= document.Count() ? -1 : nNext;
}

void ShowSearchResult(CStrokeDocument& document, platform::Prompter& prompter, int nFound,
                      int& nNext)
{
    if (nFound == -1) {
        prompter.Information(L"No occurrences found");
        nNext = document.SetCurrentStroke(0, true);
        return;
    }
    document.SetCurrentStroke(nFound, true);
    nNext = NextAfterCurrent(document);
}

CStenoStroke KeysOnly(steno::KeyBits keys)
{
    CStenoStroke stroke;
    stroke.m_keys = keys;
    return stroke;
}

} // namespace

void RunFindRequest(CStrokeDocument& document, platform::Prompter& prompter, FindStrokeState& state,
                    int nStart)
{
    const int nFound = document.FindStrokeByKeys(nStart, state.m_keys);
    ShowSearchResult(document, prompter, nFound, state.m_nNext);
}

void RunGotoTimeRequest(CStrokeDocument& document, platform::Prompter& prompter,
                        GotoTimeState& state, int nStart)
{
    const int nFound = document.FindStrokeByTime(nStart, state.m_time);
    ShowSearchResult(document, prompter, nFound, state.m_nNext);
}

void RunReplaceRequest(CStrokeDocument& document, platform::Prompter& prompter,
                       ReplaceStrokeState& state, bool bAll, int nStart)
{
    const int nResult = document.ReplaceStrokes(nStart, KeysOnly(state.m_findKeys),
                                                KeysOnly(state.m_replaceKeys), bAll, prompter);
    // The current-stroke notification has already moved m_nNext; these come after it.
    if (nResult == 0 || bAll) {
        state.m_nNext = document.SetCurrentStroke(0, true);
        return;
    }
    state.m_nNext = NextAfterCurrent(document);
}

void FollowCurrentStroke(ReplaceStrokeState& state, const CStrokeDocument& document)
{
    state.m_nNext = document.Current();
}

} // namespace strokelist
