#include "base/SafeFileReplacement.h"

#include "tests/support/FileTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <system_error>

namespace {

using base::CSafeFileReplacement;
using test_support::CTempFolder;
using test_support::RunAsNobody;
using test_support::WriteBytes;

mode_t ModeOf(const std::string& strPath)
{
    struct stat info
    {
    };
    stat(strPath.c_str(), &info);
    return info.st_mode & 07777;
}

// Writes the content through the temporary path, as the writer does, and commits.
void Replace(const std::string& strTarget, const std::string& strContent)
{
    CSafeFileReplacement replacement(strTarget);
    WriteBytes(replacement.TempPath(), strContent);
    replacement.Commit();
}

// The errno of the std::system_error that body throws; 0 when it throws nothing.
int ErrorOf(const std::function<void()>& body)
{
    try {
        body();
    } catch (const std::system_error& error) {
        return error.code().value();
    }
    return 0;
}

class SafeFileReplacementTest : public ::testing::Test
{
protected:
    CTempFolder m_folder;
    const std::string m_strTarget = m_folder / "day1.rtf";
};

TEST_F(SafeFileReplacementTest, NewFileGetsTheUsualPermissionsAReplacedOneKeepsItsOwn)
{
    const mode_t mask = umask(022);
    Replace(m_strTarget, "new");
    umask(mask);
    EXPECT_EQ(ModeOf(m_strTarget), 0644u);
    for (mode_t mode : {0600u, 0604u, 0755u}) {
        chmod(m_strTarget.c_str(), mode);
        Replace(m_strTarget, "new content");
        EXPECT_EQ(ReadBytes(m_strTarget), "new content");
        EXPECT_EQ(ModeOf(m_strTarget), mode);
    }
    EXPECT_EQ(m_folder.Names(), std::set<std::string>{"day1.rtf"});
}

TEST_F(SafeFileReplacementTest, LinkIsWrittenThroughAndStaysALink)
{
    std::filesystem::create_directory(m_folder / "real");
    const std::string strReal = m_folder / "real/day1.rtf";
    WriteBytes(strReal, "old");
    chmod(strReal.c_str(), 0640);
    std::filesystem::create_symlink("real/day1.rtf", m_folder / "link.rtf");        // relative
    std::filesystem::create_symlink(m_folder / "link.rtf", m_folder / "link2.rtf"); // a chain
    Replace(m_folder / "link2.rtf", "new");
    EXPECT_TRUE(std::filesystem::is_symlink(m_folder / "link.rtf"));
    EXPECT_TRUE(std::filesystem::is_symlink(m_folder / "link2.rtf"));
    EXPECT_EQ(ReadBytes(strReal), "new");
    EXPECT_EQ(ModeOf(strReal), 0640u);
    EXPECT_EQ(m_folder.Names(), (std::set<std::string>{"link.rtf", "link2.rtf", "real"}));
    // A dangling link creates the file it names.
    std::filesystem::create_symlink("named.rtf", m_folder / "dangling.rtf");
    Replace(m_folder / "dangling.rtf", "new");
    EXPECT_TRUE(std::filesystem::is_symlink(m_folder / "dangling.rtf"));
    EXPECT_EQ(ReadBytes(m_folder / "named.rtf"), "new");
}

TEST_F(SafeFileReplacementTest, LinkLoopsAndWhatIsNoRegularFileAreRefused)
{
    std::filesystem::create_symlink("b", m_folder / "a");
    std::filesystem::create_symlink("a", m_folder / "b");
    EXPECT_EQ(ErrorOf([&] { CSafeFileReplacement replacement(m_folder / "a"); }), ELOOP);
    const std::string strFifo = m_folder / "pipe";
    ASSERT_EQ(mkfifo(strFifo.c_str(), 0644), 0);
    EXPECT_THROW(CSafeFileReplacement replacement(strFifo), std::runtime_error);
    EXPECT_EQ(m_folder.Names(), (std::set<std::string>{"a", "b", "pipe"}));
}

// The cases below drop root's privileges: root may write anything.
class SafeFileReplacementAsUserTest : public SafeFileReplacementTest
{
protected:
    void SetUp() override { chmod(m_folder.Path().c_str(), 0777); }
};

// A read-only target and a failed rename are injected through the document's
// save; the folder the file cannot be created in is this class's own refusal.
TEST_F(SafeFileReplacementAsUserTest, FolderWithoutWriteAccessKeepsTheTarget)
{
    chmod(m_folder.Path().c_str(), 0755);
    WriteBytes(m_strTarget, "old");
    chmod(m_strTarget.c_str(), 0666); // the file itself could be written in place
    EXPECT_EQ(RunAsNobody([&] { return ErrorOf([&] { Replace(m_strTarget, "new"); }); }), EACCES);
    EXPECT_EQ(ReadBytes(m_strTarget), "old");
    EXPECT_EQ(m_folder.Names(), std::set<std::string>{"day1.rtf"});
}

} // namespace
