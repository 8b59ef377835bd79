#pragma once
// What the Open and Save As dialogs start with: the stroke-file filter, the
// default extension and the folder where the writer keeps its backups.

#include "platform/core/FileDialogs.h"

#include <string>
#include <string_view>

namespace doc {

inline constexpr std::wstring_view kStrokeFileFilter = L"RTF/CRE (*.rtf)";
inline constexpr std::wstring_view kStrokeFileExt = L"rtf";
inline constexpr std::wstring_view kBackupSubfolder = L"/Corvane/backup/RTFCRE";

/// The writer's backup folder under the documents folder (which may be unknown:
/// empty); it is neither checked nor created.
std::wstring DefaultFolder(std::wstring_view documentsFolder);

/// The Open dialog: the default folder, no name.
platform::FileRequest OpenRequest(std::wstring_view documentsFolder);

/// The Save As dialog: the document's folder and its name with "_copy", or the
/// default folder without a name when there is no document.
platform::FileRequest SaveAsRequest(std::wstring_view fileName, std::wstring_view documentsFolder);

} // namespace doc
