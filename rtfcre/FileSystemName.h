#pragma once
// File names between the program's wide text and the bytes the file system
// stores. Names are UTF-8 whatever the locale says; bytes that are not UTF-8
// come through as the code points U+DC80 ... U+DCFF and go back unchanged, so
// every name the system hands us can be opened again.

#include <string>
#include <string_view>

namespace rtfcre {

std::string ToFileSystemName(std::wstring_view name);
std::wstring FromFileSystemName(std::string_view bytes);

} // namespace rtfcre
