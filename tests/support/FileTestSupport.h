#pragma once
// More for tests that write to disk: what a folder holds, and a way to run a
// piece of a test in a child process, as an ordinary user if need be. These
// tests run as root, which ignores file permissions, so a permission case
// proves nothing unless it drops them.

#include "tests/rtfcre/TestFiles.h"

#include <filesystem>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace test_support {

/// A scratch folder named like the paths the tests build: folder / "name".
class CTempFolder : public CTempDirectory
{
public:
    using CTempDirectory::Path;
    std::filesystem::path Path() const { return Path("").parent_path(); }
    std::string operator/(const std::string& strName) const { return Path(strName).string(); }
    /// Names of everything in the folder, hidden files included.
    std::set<std::string> Names() const;
};

/// Names of everything in the folder, hidden files included.
inline std::set<std::string> Names(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

inline std::set<std::string> CTempFolder::Names() const
{
    return test_support::Names(Path());
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& strBytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << strBytes;
}

inline bool DropToNobody()
{
    const passwd* pUser = getpwnam("nobody");
    if (pUser == nullptr)
        return false;
    const group* pGroup = getgrnam("nogroup");
    const gid_t gid = pGroup != nullptr ? pGroup->gr_gid : pUser->pw_gid;
    return setgroups(0, nullptr) == 0 && setgid(gid) == 0 && setuid(pUser->pw_uid) == 0;
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
