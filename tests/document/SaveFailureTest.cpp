// Saving must never damage the file it replaces: every way a save can fail is
// provoked here, and each time the original stays byte for byte and no
// temporary file is left beside it.
#include "DocumentFixture.h"

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

namespace doc::test {
namespace {

using test_support::WriteBytes;

constexpr int kChildFailedAsExpected = 10;
constexpr int kChildWrongOutcome = 11;

class SaveFailureTest : public DocumentFixture
{
protected:
    void SetUp() override
    {
        WriteBytes(m_strTarget, m_strOriginal);
        m_document.AssignStrokes(GeneratedStrokes(2000));
        m_document.CancelEdit();
    }

    bool Save(const std::string& strTarget) { return m_document.Save(Wide(strTarget)).bDone; }

    // In a child process: saves over the target and tells whether it failed
    // with a reason, the document still modified.
    int SaveExpectingFailure()
    {
        const FileOutcome outcome = m_document.Save(Wide(m_strTarget));
        return !outcome.bDone && !outcome.strReason.empty() && m_document.IsModified()
                   ? kChildFailedAsExpected
                   : kChildWrongOutcome;
    }

    // Forks a save under a file size limit; SIGXFSZ, unless ignored, kills it at
    // the write that crosses the limit. Returns the child's wait status.
    int SaveUnderFileLimit(rlim_t nLimit, bool bKill)
    {
        const pid_t pid = fork();
        if (pid == 0) {
            std::signal(SIGXFSZ, bKill ? SIG_DFL : SIG_IGN);
            const rlimit noCore{0, 0};
            const rlimit limit{nLimit, nLimit};
            setrlimit(RLIMIT_CORE, &noCore);
            setrlimit(RLIMIT_FSIZE, &limit);
            _exit(SaveExpectingFailure());
        }
        int nStatus = 0;
        waitpid(pid, &nStatus, 0);
        return nStatus;
    }

    void ExpectOriginalIntact()
    {
        EXPECT_EQ(ReadBytes(m_strTarget), m_strOriginal);
        EXPECT_EQ(m_folder.Names(), std::set<std::string>{"day1.rtf"});
    }

    const std::string m_strTarget = m_folder / "day1.rtf";
    const std::string m_strOriginal = StrokeFileText({{"KAT", "KAT", "9:5:7:0"}});
};

TEST_F(SaveFailureTest, TargetThatCannotBeReplaced)
{
    // A folder in the target's place.
    const std::string strFolder = m_folder / "day1.rtf.d";
    std::filesystem::create_directory(strFolder);
    EXPECT_FALSE(Save(strFolder));
    EXPECT_TRUE(std::filesystem::is_empty(strFolder));
    std::filesystem::remove(strFolder);
    EXPECT_TRUE(m_document.IsModified());
    ExpectOriginalIntact();
}

TEST_F(SaveFailureTest, ReadOnlyTargetAndFailedRenameAsOrdinaryUser)
{
    // In a sticky folder nobody may write root's file but not replace it.
    for (const auto& [folderMode, fileMode] : {std::pair{0777, 0444}, std::pair{01777, 0666}}) {
        chmod(m_folder.Path().c_str(), folderMode);
        chmod(m_strTarget.c_str(), fileMode);
        EXPECT_EQ(test_support::RunAsNobody([this] { return SaveExpectingFailure(); }),
                  kChildFailedAsExpected)
            << std::oct << folderMode;
        ExpectOriginalIntact();
    }
}

// A save stopped at any byte leaves the old file. The file size limit stops the
// writes at a known byte: in the header, among the strokes and one byte short of
// the whole file. A save told so (as by a full disk) reports the failure and
// cleans up; a save killed there (by SIGXFSZ) cannot, and the temporary file it
// leaves holds exactly the bytes written before the kill.
TEST_F(SaveFailureTest, SaveStoppedAtAnyByteLeavesTheOldFile)
{
    const std::string strReference = m_folder / "reference.rtf";
    ASSERT_TRUE(Save(strReference));
    const std::string strNew = ReadBytes(strReference);
    std::filesystem::remove(strReference);
    m_document.CancelEdit();
    for (const std::size_t nLimit : {std::size_t{100}, strNew.size() / 2, strNew.size() - 1}) {
        const int nFailed = SaveUnderFileLimit(nLimit, false);
        EXPECT_TRUE(WIFEXITED(nFailed) && WEXITSTATUS(nFailed) == kChildFailedAsExpected) << nLimit;
        ExpectOriginalIntact();
        const int nKilled = SaveUnderFileLimit(nLimit, true);
        ASSERT_TRUE(WIFSIGNALED(nKilled) && WTERMSIG(nKilled) == SIGXFSZ) << nLimit;
        EXPECT_EQ(ReadBytes(m_strTarget), m_strOriginal);
        std::set<std::string> names = m_folder.Names();
        ASSERT_EQ(names.size(), 2u) << nLimit;
        names.erase("day1.rtf");
        const std::string strTemp = m_folder / *names.begin();
        EXPECT_EQ(ReadBytes(strTemp), strNew.substr(0, nLimit));
        std::filesystem::remove(strTemp);
    }
}

} // namespace
} // namespace doc::test
