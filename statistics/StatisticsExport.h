#pragma once
// Saving the statistics window's plots as a PNG picture or its numbers as
// CSV: the Save dialog proposes the document's name with "_statistics" beside
// it, the new file replaces an existing one only once it is complete, and a
// failure names the file and the reason and offers Retry and Cancel.

#include "platform/core/FileDialogs.h"

#include <functional>
#include <string>
#include <string_view>

namespace base {
class CBufferedWriter;
}

namespace platform {
class Prompter;
}

namespace statistics {

enum class ExportKind { Picture, Numbers };

/// The Save dialog's start: the document's folder and its name with
/// "_statistics", or the default folder without a name when there is no file.
platform::FileRequest ExportRequest(ExportKind kind, std::wstring_view documentPath,
                                    std::wstring_view defaultFolder);

/// Writes the content to the file through write; the reason of a failure, or
/// empty when the file was written.
std::string WriteExportFile(const std::wstring& strPath,
                            const std::function<void(base::CBufferedWriter& out)>& write);

/// Asks for the file and writes it, as often as the user retries a failure;
/// false when the dialog was cancelled or a failure was.
bool ExportWithDialog(platform::FileDialogs& fileDialogs, platform::Prompter& prompter,
                      const platform::FileRequest& request,
                      const std::function<void(base::CBufferedWriter& out)>& write);

} // namespace statistics
