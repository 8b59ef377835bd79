#include "search/SearchDialogRules.h"

#include "framework/CommandIds.h"
#include "strokelist/StrokeDocument.h"

#include <array>

namespace search {

using framework::IDC_BTN_CLOSE_DIALOG;
using framework::IDC_BTN_REPLACE_ALL;
using framework::kIdCancel;
using framework::kIdOk;

namespace {

bool IsKnown(int nID, bool bReplaceAll = false)
{
    return nID == kIdOk || nID == kIdCancel || nID == IDC_BTN_CLOSE_DIALOG ||
           (bReplaceAll && nID == IDC_BTN_REPLACE_ALL);
}

ButtonOutcome Post(platform::MessageId nMessage, std::uintptr_t wParam, int nStart)
{
    return {SearchRequest{nMessage, wParam, nStart}, false};
}

/// Cancel and the close button hide; nothing is posted.
constexpr ButtonOutcome kHide{std::nullopt, true};

struct TabRoute
{
    SearchDialogKind kind;
    int nFrom; ///< 0: wherever the focus is
    bool bShift;
    int nTo;
};

constexpr std::array<TabRoute, 8> kTabRoutes = {{
    {SearchDialogKind::Find, 0, false, kIdOk},
    {SearchDialogKind::Find, 0, true, kIdCancel},
    {SearchDialogKind::GotoTime, 0, false, kIdOk},
    {SearchDialogKind::GotoTime, 0, true, kIdCancel},
    {SearchDialogKind::Replace, kIdKeysField, false, kIdReplaceField},
    {SearchDialogKind::Replace, kIdKeysField, true, kIdCancel},
    {SearchDialogKind::Replace, kIdReplaceField, false, kIdOk},
    {SearchDialogKind::Replace, kIdReplaceField, true, kIdKeysField},
}};

} // namespace

steno::KeyBits OpeningKeys(const strokelist::CStrokeDocument& document)
{
    const int nCurrent = document.Current();
    return nCurrent == -1 ? 0 : document.Stroke(nCurrent).m_keys;
}

std::int64_t OpeningTime(const strokelist::CStrokeDocument& document)
{
    const int nCurrent = document.Current();
    return nCurrent == -1 ? 0 : document.Stroke(nCurrent).m_time;
}

ButtonOutcome PressFindButton(int nID, strokelist::FindStrokeState& state, steno::KeyBits keys)
{
    if (!IsKnown(nID))
        return {};
    state.m_keys = keys;
    return nID == kIdOk ? Post(platform::WM_FIND_STROKE, 0, state.m_nNext) : kHide;
}

ButtonOutcome PressReplaceButton(int nID, strokelist::ReplaceStrokeState& state,
                                 steno::KeyBits findKeys, steno::KeyBits replaceKeys)
{
    if (!IsKnown(nID, true))
        return {};
    state.m_findKeys = findKeys;
    state.m_replaceKeys = replaceKeys;
    if (nID == kIdOk)
        return Post(platform::WM_REPLACE_STROKE, 0, state.m_nNext);
    // Replace All always runs over the whole document.
    return nID == IDC_BTN_REPLACE_ALL ? Post(platform::WM_REPLACE_STROKE, 1, -1) : kHide;
}

ButtonOutcome PressGotoTimeButton(int nID, strokelist::GotoTimeState& state, std::int64_t time)
{
    if (!IsKnown(nID))
        return {};
    state.m_time = time;
    return nID == kIdOk ? Post(platform::WM_GOTO_TIME, 0, state.m_nNext) : kHide;
}

std::optional<int> TabTarget(SearchDialogKind kind, int nFocusId, bool bShift)
{
    for (const TabRoute& route : kTabRoutes) {
        if (route.kind == kind && route.bShift == bShift &&
            (route.nFrom == 0 || route.nFrom == nFocusId))
            return route.nTo;
    }
    return std::nullopt;
}

} // namespace search
