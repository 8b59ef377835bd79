#pragma once
// The writer name and maker text of the system line every saved stroke file
// carries; the editor, quillmark-cli and the bench generator write the same.

#include <string_view>

namespace rtfcre {

inline constexpr std::wstring_view kSystemName = L"Corvane writer";
inline constexpr std::wstring_view kSystemText = L"Ardentide Inc";

} // namespace rtfcre
