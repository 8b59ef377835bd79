#include "search/SearchDialogLayout.h"

#include "framework/CommandIds.h"

namespace search {

using framework::IDC_BTN_REPLACE_ALL;
using framework::IDC_GOTO_TIME_PICKER;
using framework::kIdCancel;
using framework::kIdOk;

SearchDialogLayout LayoutOf(SearchDialogKind kind)
{
    switch (kind) {
    case SearchDialogKind::Find:
        return {171,
                {401, 150},
                {{kIdOk, L"&Find", {241, 112}}, {kIdCancel, L"&Cancel", {320, 112}}},
                {{kIdKeysField, {76, 47, 76 + 317, 47 + 24}}}};
    case SearchDialogKind::Replace:
        return {173,
                {401, 180},
                {{kIdOk, L"&Replace", {162, 140}},
                 {IDC_BTN_REPLACE_ALL, L"Replace &All", {241, 140}},
                 {kIdCancel, L"&Cancel", {320, 140}}},
                {{kIdKeysField, {128, 47, 128 + 267, 47 + 24}},
                 {kIdReplaceField, {128, 86, 128 + 267, 86 + 24}}}};
    case SearchDialogKind::GotoTime:
        break;
    }
    return {172,
            {301, 150},
            {{kIdOk, L"&Goto Time", {136, 113}}, {kIdCancel, L"&Cancel", {215, 113}}},
            {{IDC_GOTO_TIME_PICKER, {61, 46, 61 + 214, 46 + 33}}}};
}

platform::FontDesc DialogFont()
{
    return {L"MS Shell Dlg", -11, platform::kWeightNormal, false, platform::Pitch::Default};
}

platform::FontDesc FieldFont()
{
    return {L"Arial", -18, platform::kWeightBold, false, platform::Pitch::Default};
}

platform::Point CentreOver(const platform::Rect& rcOwner, platform::Size dialog)
{
    return {rcOwner.left + (rcOwner.Width() - dialog.cx) / 2,
            rcOwner.top + (rcOwner.Height() - dialog.cy) / 2};
}

} // namespace search
