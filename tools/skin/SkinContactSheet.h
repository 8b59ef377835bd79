// A contact sheet of the whole skin for looking at it in one picture: every
// bitmap at its natural size with its number, and the main window and the
// monitors stretched the way the program stretches them, with their buttons,
// an open menu and outlined text in place.
#pragma once

#include "SkinCatalog.h"

#include <QImage>
#include <map>

namespace skin {

using RenderedSkin = std::map<int, QImage>;

QImage MakeContactSheet(const std::vector<SkinBitmap>& catalog, const RenderedSkin& images);

} // namespace skin
