#include "tests/support/ScriptedFileDialogs.h"

#include <stdexcept>

namespace platform {

void ScriptedFileDialogs::Script(std::wstring strPath)
{
    m_paths.push_back(std::move(strPath));
}

std::wstring ScriptedFileDialogs::OpenFile(const FileRequest& request)
{
    return Next(false, request);
}

std::wstring ScriptedFileDialogs::SaveFile(const FileRequest& request)
{
    return Next(true, request);
}

std::wstring ScriptedFileDialogs::Next(bool bSave, const FileRequest& request)
{
    m_calls.push_back({bSave, request});
    if (m_paths.empty())
        throw std::logic_error(bSave ? "no scripted path for a save dialog"
                                     : "no scripted path for an open dialog");
    std::wstring strPath = std::move(m_paths.front());
    m_paths.pop_front();
    return strPath;
}

} // namespace platform
