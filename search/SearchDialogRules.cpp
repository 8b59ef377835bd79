#include "search/SearchDialogRules.h"

#include "framework/CommandIds.h"
#include "document/StrokeDocument.h"

#include <array>

namespace search {

using framework::IDC_BTN_CLOSE_DIALOG;
using framework::IDC_BTN_REPLACE_ALL;
using framework::kIdCancel;
using framework::kIdOk;

namespace {

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

steno::KeyBits OpeningKeys(const doc::CStrokeDocument& document)
{
    const int nCurrent = document.Current();
    return nCurrent == -1 ? 0 : document.Stroke(nCurrent).m_keys;
}

std::int64_t OpeningTime(const doc::CStrokeDocument& document)
{
    const int nCurrent = document.Current();
    return nCurrent == -1 ? 0 : document.Stroke(nCurrent).m_time;
}

ButtonAction ActionOf(SearchDialogKind kind, int nID)
{
    if (nID == kIdOk)
        return ButtonAction::Search;
    if (nID == kIdCancel || nID == IDC_BTN_CLOSE_DIALOG)
        return ButtonAction::Hide;
    if (nID == IDC_BTN_REPLACE_ALL && kind == SearchDialogKind::Replace)
        return ButtonAction::ReplaceAll;
    return ButtonAction::None;
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
