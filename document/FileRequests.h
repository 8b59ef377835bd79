#pragma once
// What the file dialogs start with: the filter, the default extension, the
// folder (the writer's backups, or beside the document) and a proposed name.

#include "platform/core/FileDialogs.h"

#include <string>
#include <string_view>

namespace doc {

inline constexpr std::wstring_view kStrokeFileFilter = L"RTF/CRE (*.rtf)";
inline constexpr std::wstring_view kStrokeFileExt = L"rtf";
inline constexpr std::wstring_view kBackupSubfolder = L"/Corvane/backup/RTFCRE";
inline constexpr std::wstring_view kExportFilter = L"CSV (*.csv);;JSON (*.json)";
inline constexpr std::wstring_view kImportFilter = L"Steno logs and tapes (*.log *.txt *.tape)";

/// The writer's backup folder under the documents folder (which may be unknown:
/// empty); it is neither checked nor created.
std::wstring DefaultFolder(std::wstring_view documentsFolder);

/// The Open dialog: the default folder, no name.
platform::FileRequest OpenRequest(std::wstring_view documentsFolder);

/// The Save As dialog: the document's folder and its name with "_copy", or the
/// default folder without a name when there is no document.
platform::FileRequest SaveAsRequest(std::wstring_view fileName, std::wstring_view documentsFolder);

/// File ▸ Export: beside the document under its name, CSV unless the name says .json.
platform::FileRequest ExportRequest(std::wstring_view fileName, std::wstring_view documentsFolder);

/// File ▸ Import, the source: a log or tape from the documents folder.
platform::FileRequest ImportSourceRequest(std::wstring_view documentsFolder);

/// File ▸ Import, the stroke file to write: in the writer's backup folder,
/// under the source's name.
platform::FileRequest ImportTargetRequest(std::wstring_view sourceName,
                                          std::wstring_view documentsFolder);

} // namespace doc
