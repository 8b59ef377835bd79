#pragma once
// Where each search dialog puts its buttons and fields, in client pixels, and
// where a dialog goes when it opens over the main window.

#include "platform/core/FontDesc.h"
#include "platform/core/Geometry.h"

#include <vector>

namespace search {

enum class SearchDialogKind { Find, Replace, GotoTime };

inline constexpr int kIdKeysField = 30001; ///< the find dialog's field, the replace dialog's first
inline constexpr int kIdReplaceField = 30002; ///< the replace dialog's second field
inline constexpr platform::Size kPushButtonSize{73, 30};

struct SearchButtonPlace
{
    int nId = 0;
    const wchar_t* pszCaption = L""; ///< & marks the underlined letter
    platform::Point topLeft;
};

struct SearchFieldPlace
{
    int nId = 0;
    platform::Rect rc;
};

struct SearchDialogLayout
{
    int nBackground = 0; ///< bitmap number; the dialog takes its size
    platform::Size size;
    std::vector<SearchButtonPlace> buttons; ///< in Tab order, the action button first
    std::vector<SearchFieldPlace> fields;   ///< keys fields, or the time picker
};

SearchDialogLayout LayoutOf(SearchDialogKind kind);

/// "MS Shell Dlg" at 8 points (11 pixels): the buttons' captions.
platform::FontDesc DialogFont();

/// Arial bold, 18 pixels high: the keys fields and the time picker each get a copy.
platform::FontDesc FieldFont();

/// Centred over the owner's rectangle, the halves rounded toward zero.
platform::Point CentreOver(const platform::Rect& rcOwner, platform::Size dialog);

} // namespace search
