#pragma once
// FileDialogs that return scripted paths and remember every request, for tests.
// A dialog opened with nothing scripted throws.

#include "platform/core/FileDialogs.h"

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

namespace platform {

/// One dialog as it was opened.
struct FileDialogCall
{
    bool bSave;
    FileRequest request;

    bool operator==(const FileDialogCall&) const = default;
};

class ScriptedFileDialogs : public FileDialogs
{
public:
    /// Queues the path the next dialog returns; an empty path is a cancel.
    void Script(std::wstring strPath);

    std::wstring OpenFile(const FileRequest& request) override;
    std::wstring SaveFile(const FileRequest& request) override;

    const std::vector<FileDialogCall>& Calls() const { return m_calls; }

private:
    std::wstring Next(bool bSave, const FileRequest& request);

    std::deque<std::wstring> m_paths;
    std::vector<FileDialogCall> m_calls;
};

} // namespace platform
