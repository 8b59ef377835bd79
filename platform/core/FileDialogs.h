#pragma once
// The open-file and save-file dialogs, as the commands of the main window use
// them. An interface so the commands can be driven by scripted choices in tests.

#include <string>

namespace platform {

/// What a file dialog starts with.
struct FileRequest
{
    std::wstring strFilter;     ///< e.g. L"RTF/CRE (*.rtf)"
    std::wstring strDefaultExt; ///< added when the user types a name without one, e.g. L"rtf"
    std::wstring strFolder;     ///< where the dialog starts
    std::wstring strFileName;   ///< proposed name, may be empty

    bool operator==(const FileRequest&) const = default;
};

class FileDialogs
{
public:
    virtual ~FileDialogs() = default;

    /// An existing file in an existing folder, or empty when the user cancelled.
    virtual std::wstring OpenFile(const FileRequest& request) = 0;
    /// A name in an existing folder, confirmed before an existing file is
    /// replaced; empty when the user cancelled.
    virtual std::wstring SaveFile(const FileRequest& request) = 0;
};

} // namespace platform
