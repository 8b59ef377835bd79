#include "base/SafeFileReplacement.h"

#include "base/BufferedWriter.h"

#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace base {
namespace {

constexpr int kMaxLinks = 40;             // as the kernel allows when it resolves a path
constexpr std::size_t kMaxTempBase = 200; // keeps ".name.XXXXXX" within a file name's limit
constexpr mode_t kNewFileMode = 0666;

[[noreturn]] void ThrowErrno(int nError, const std::string& strWhat)
{
    throw std::system_error(nError, std::generic_category(), strWhat);
}

std::string Quoted(const std::string& strPath)
{
    return "'" + strPath + "'";
}

std::string FolderOf(const std::string& strPath)
{
    const auto slash = strPath.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : strPath.substr(0, slash);
}

std::string NameOf(const std::string& strPath)
{
    const auto slash = strPath.rfind('/');
    return slash == std::string::npos ? strPath : strPath.substr(slash + 1);
}

std::string ReadLink(const std::string& strLink)
{
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t nLength = readlink(strLink.c_str(), buffer.data(), buffer.size());
        if (nLength < 0)
            ThrowErrno(errno, "cannot read the link " + Quoted(strLink));
        if (static_cast<std::size_t>(nLength) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(nLength));
        buffer.resize(buffer.size() * 2);
    }
}

mode_t CurrentUmask()
{
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

// Makes the folder entry of a rename durable; the new content is already in
// place, so a failure here is not worth failing the save for.
void SyncFolder(const std::string& strFolder)
{
    const int fd = open(strFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

} // namespace

std::string FollowLinks(const std::string& strPath)
{
    std::string strCurrent = strPath;
    for (int i = 0; i < kMaxLinks; ++i) {
        struct stat info
        {
        };
        if (lstat(strCurrent.c_str(), &info) != 0) {
            if (errno == ENOENT)
                return strCurrent; // a new file, or a link to one
            ThrowErrno(errno, "cannot look at " + Quoted(strCurrent));
        }
        if (!S_ISLNK(info.st_mode))
            return strCurrent;
        const std::string strLink = ReadLink(strCurrent);
        strCurrent = strLink.starts_with('/') ? strLink : FolderOf(strCurrent) + "/" + strLink;
    }
    ThrowErrno(ELOOP, "cannot follow the links of " + Quoted(strPath));
}

CSafeFileReplacement::CSafeFileReplacement(const std::string& strTarget)
    : m_strTarget(FollowLinks(strTarget))
{
    CheckTarget();
    CreateTemp();
}

CSafeFileReplacement::~CSafeFileReplacement()
{
    if (m_fdTemp >= 0)
        close(m_fdTemp);
    if (!m_bCommitted && !m_strTemp.empty())
        unlink(m_strTemp.c_str());
}

void CSafeFileReplacement::CheckTarget()
{
    struct stat info
    {
    };
    if (stat(m_strTarget.c_str(), &info) != 0) {
        if (errno != ENOENT)
            ThrowErrno(errno, "cannot look at " + Quoted(m_strTarget));
        m_mode = kNewFileMode & ~CurrentUmask();
        return;
    }
    if (!S_ISREG(info.st_mode))
        throw std::runtime_error(Quoted(m_strTarget) + " is not a regular file");
    if (faccessat(AT_FDCWD, m_strTarget.c_str(), W_OK, AT_EACCESS) != 0)
        ThrowErrno(errno, "cannot write " + Quoted(m_strTarget));
    m_bExists = true;
    m_mode = info.st_mode & 07777;
    m_uid = info.st_uid;
    m_gid = info.st_gid;
}

void CSafeFileReplacement::CreateTemp()
{
    const std::string strFolder = FolderOf(m_strTarget);
    std::string strPattern =
        strFolder + "/." + NameOf(m_strTarget).substr(0, kMaxTempBase) + ".XXXXXX";
    m_fdTemp = mkostemp(strPattern.data(), O_CLOEXEC);
    if (m_fdTemp < 0)
        ThrowErrno(errno, "cannot create a temporary file in " + Quoted(strFolder));
    m_strTemp = strPattern;
    // Owner first: a change of owner clears set-id bits that the mode then restores.
    // Only the super-user can give a file away; anyone else keeps the new file.
    if (m_bExists && (m_uid != geteuid() || m_gid != getegid()))
        (void)!fchown(m_fdTemp, m_uid, m_gid);
    if (fchmod(m_fdTemp, m_mode) != 0) {
        const int nError = errno;
        close(m_fdTemp);
        m_fdTemp = -1;
        unlink(m_strTemp.c_str());
        ThrowErrno(nError, "cannot set the permissions of " + Quoted(m_strTemp));
    }
}

void CSafeFileReplacement::Commit()
{
    if (fsync(m_fdTemp) != 0)
        ThrowErrno(errno, "cannot write " + Quoted(m_strTemp) + " to disk");
    const int nClosed = close(m_fdTemp);
    m_fdTemp = -1;
    if (nClosed != 0)
        ThrowErrno(errno, "cannot close " + Quoted(m_strTemp));
    if (rename(m_strTemp.c_str(), m_strTarget.c_str()) != 0)
        ThrowErrno(errno, "cannot replace " + Quoted(m_strTarget));
    m_bCommitted = true;
    SyncFolder(FolderOf(m_strTarget));
}

void ReplaceFileContent(const std::string& strTarget,
                        const std::function<void(CBufferedWriter& out)>& write)
{
    CSafeFileReplacement replacement(strTarget);
    CBufferedWriter out(replacement.TempFile(), true);
    write(out);
    if (!out.Flush())
        ThrowErrno(out.Error(), "cannot write " + replacement.TempPath());
    replacement.Commit();
}

} // namespace base
