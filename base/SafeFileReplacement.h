#pragma once
// Replaces a file only once its new content is complete and on disk: the content
// goes to a temporary file beside the target, which is synced and then renamed
// over it. Until Commit succeeds the target is untouched, and the temporary file
// disappears with this object unless it was committed.

#include <functional>
#include <string>
#include <sys/types.h>

namespace base {

class CBufferedWriter;

class CSafeFileReplacement
{
public:
    /// Prepares to replace strTarget (a path in the file system's encoding). A
    /// symbolic link is followed to the file it names. Throws std::system_error
    /// when the target cannot be replaced: its folder is missing or not writable,
    /// or it exists and is read-only or not a regular file.
    explicit CSafeFileReplacement(const std::string& strTarget);
    ~CSafeFileReplacement();
    CSafeFileReplacement(const CSafeFileReplacement&) = delete;
    CSafeFileReplacement& operator=(const CSafeFileReplacement&) = delete;

    /// Where the new content is to be written; it exists, empty, with the
    /// target's permission bits.
    const std::string& TempPath() const { return m_strTemp; }
    /// The temporary file, open for writing; it stays ours (duplicate it to hand it on).
    int TempFile() const { return m_fdTemp; }

    /// Syncs the temporary file and renames it over the target. Throws
    /// std::system_error on failure; the target is then as it was.
    void Commit();

private:
    void CheckTarget();
    void CreateTemp();

    std::string m_strTarget;
    std::string m_strTemp;
    int m_fdTemp = -1;
    bool m_bExists = false;
    mode_t m_mode = 0;
    uid_t m_uid = 0;
    gid_t m_gid = 0;
    bool m_bCommitted = false;
};

/// strPath with every symbolic link in its last component followed; a link to
/// a file that does not exist yet gives the path it names. Throws std::system_error.
std::string FollowLinks(const std::string& strPath);

/// Writes a whole file through write and only then replaces strTarget with it.
/// Throws std::system_error, or what write throws; the target is then as it was.
void ReplaceFileContent(const std::string& strTarget,
                        const std::function<void(CBufferedWriter& out)>& write);

} // namespace base
