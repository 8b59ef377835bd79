#pragma once
// Files and folders for tests that write to disk, and a way to run a piece of
// a test as an ordinary user: these tests run as root, which ignores file
// permissions, so a permission case proves nothing unless it drops them.

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <iterator>
#include <pwd.h>
#include <set>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace test_support {

/// A fresh folder under the system's temporary folder, removed with everything in it.
class CTempFolder
{
public:
    CTempFolder()
    {
        std::string strPattern = (std::filesystem::temp_directory_path() / "quillmark-XXXXXX").string();
        if (mkdtemp(strPattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        m_path = strPattern;
    }
    ~CTempFolder()
    {
        std::error_code error;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(m_path, error);
    }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string operator/(const std::string& strName) const { return (m_path / strName).string(); }

    /// Names of everything in the folder, hidden files included.
    std::set<std::string> Names() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            names.insert(entry.path().filename().string());
        return names;
    }

private:
    std::filesystem::path m_path;
};

inline std::string ReadBytes(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& strPath, const std::string& strBytes)
{
    std::ofstream file(strPath, std::ios::binary | std::ios::trunc);
    file << strBytes;
}

/// The user that permission cases run as.
inline bool FindNobody(uid_t& uid, gid_t& gid)
{
    const passwd* pUser = getpwnam("nobody");
    if (pUser == nullptr)
        return false;
    uid = pUser->pw_uid;
    const group* pGroup = getgrnam("nogroup");
    gid = pGroup != nullptr ? pGroup->gr_gid : pUser->pw_gid;
    return true;
}

inline bool DropToNobody()
{
    uid_t uid = 0;
    gid_t gid = 0;
    return FindNobody(uid, gid) && setgroups(0, nullptr) == 0 && setgid(gid) == 0 &&
           setuid(uid) == 0;
}

/// Runs body in a child process and returns its result, or -1 when the child
/// could not be run or did not exit normally. With bAsNobody a root process
/// first becomes "nobody".
inline int RunInChild(const std::function<int()>& body, bool bAsNobody = false)
{
    const pid_t pid = fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        if (bAsNobody && geteuid() == 0 && !DropToNobody())
            _exit(125);
        int nResult = 124;
        try {
            nResult = body();
        } catch (...) {
        }
        _exit(nResult);
    }
    int nStatus = 0;
    if (waitpid(pid, &nStatus, 0) != pid || !WIFEXITED(nStatus))
        return -1;
    return WEXITSTATUS(nStatus);
}

/// Runs body in a child process as "nobody" (as is when not root).
inline int RunAsNobody(const std::function<int()>& body)
{
    return RunInChild(body, true);
}

} // namespace test_support
