#pragma once
// Fonts by description, and the substitutes for the faces the program asks for.

#include "platform/core/FontDesc.h"

#include <QFont>

namespace platform {

/// The Qt font for a description; a negative height is the character height in
/// pixels, a positive one the cell height.
QFont MakeFont(const FontDesc& desc);

/// Tells Qt which installed faces stand in for the program's faces ("Arial",
/// "Tahoma", "Square721 BT", "MS Shell Dlg") where they are missing. Call once
/// after the application object exists.
void RegisterFontSubstitutions();

} // namespace platform
