// Saving must never damage the file it replaces: every way a save can fail is
// provoked here, and each time the original stays byte for byte and no
// temporary file is left beside it.
#include "StrokeFileFixture.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>

namespace strokelist::test {
namespace {

using platform::Answer;
using test_support::RunAsNobody;
using test_support::WriteBytes;

constexpr int kChildSaved = 0;
constexpr int kChildFailedAsExpected = 10;
constexpr int kChildWrongOutcome = 11;

class SaveFailureTest : public StrokeFileFixture
{
protected:
    void SetUp() override
    {
        WriteBytes(m_strTarget, m_strOriginal);
        m_document.AssignStrokes(GeneratedStrokes(2000));
        m_document.SetModified(true);
    }

    // Saves over the target, answering Cancel; checks what the user and the
    // document see of a failure and returns a code a child process can pass on.
    int SaveExpectingFailure()
    {
        CLoggingPrompter prompter(m_log);
        prompter.Script(Answer::Cancel);
        if (m_document.SaveFile(Wide(m_strTarget), prompter))
            return kChildSaved;
        const bool bReported =
            prompter.Asked().size() == 1 &&
            prompter.Asked()[0].strText == L"Failed to save file '" + Wide(m_strTarget) + L"'";
        const bool bKept = m_document.IsModified() && m_document.FileName() == m_strFileName;
        return bReported && bKept ? kChildFailedAsExpected : kChildWrongOutcome;
    }

    void ExpectOriginalIntact()
    {
        EXPECT_EQ(ReadBytes(m_strTarget), m_strOriginal);
        EXPECT_EQ(m_folder.Names(), std::set<std::string>{"day1.rtf"});
    }

    const std::string m_strTarget = m_folder / "day1.rtf";
    const std::string m_strOriginal = StrokeFileText({{"KAT", "KAT", "9:5:7:0"}});
    const std::wstring m_strFileName; // the document has none of its own
};

TEST_F(SaveFailureTest, MissingFolder)
{
    const std::string strTarget = m_folder / "gone/day1.rtf";
    m_prompter.Script(Answer::Retry);
    m_prompter.Script(Answer::Cancel);
    EXPECT_FALSE(m_document.SaveFile(Wide(strTarget), m_prompter));
    const std::wstring strMessage = L"Failed to save file '" + Wide(strTarget) + L"'";
    EXPECT_EQ(Prompts(), (std::vector<std::wstring>{strMessage, strMessage}));
    EXPECT_NE(m_document.LastFailure().find("No such file or directory"), std::string::npos);
    EXPECT_TRUE(m_document.IsModified());
    ExpectOriginalIntact();
}

TEST_F(SaveFailureTest, TargetThatIsNotARegularFile)
{
    const std::string strFolderTarget = m_folder / "day1.rtf.d";
    std::filesystem::create_directory(strFolderTarget);
    m_prompter.Script(Answer::Cancel);
    EXPECT_FALSE(m_document.SaveFile(Wide(strFolderTarget), m_prompter));
    EXPECT_TRUE(std::filesystem::is_empty(strFolderTarget));
    std::filesystem::remove(strFolderTarget);
    ExpectOriginalIntact();
}

TEST_F(SaveFailureTest, ReadOnlyTargetAndFailedRenameAsOrdinaryUser)
{
    // In a sticky folder nobody may write root's file but not replace it.
    for (const auto& [folderMode, fileMode] : {std::pair{0777, 0444}, std::pair{01777, 0666}}) {
        chmod(m_folder.Path().c_str(), folderMode);
        chmod(m_strTarget.c_str(), fileMode);
        EXPECT_EQ(RunAsNobody([this] { return SaveExpectingFailure(); }), kChildFailedAsExpected)
            << std::oct << folderMode;
        ExpectOriginalIntact();
    }
}

TEST_F(SaveFailureTest, WriteFailureInTheMiddleOfTheStrokes)
{
    // The file size limit makes the kernel refuse writes past 40000 bytes, well
    // inside the strokes (about 500 kB for 2000 of them).
    const int nResult = test_support::RunInChild([this] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{40000, 40000};
        setrlimit(RLIMIT_FSIZE, &limit);
        return SaveExpectingFailure();
    });
    EXPECT_EQ(nResult, kChildFailedAsExpected);
    ExpectOriginalIntact();
}

TEST_F(SaveFailureTest, FullDisk)
{
    const std::string strDisk = m_folder / "disk";
    std::filesystem::create_directory(strDisk);
    if (mount("tmpfs", strDisk.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no small file system can be mounted here";
    const std::string strTarget = strDisk + "/day1.rtf";
    WriteBytes(strTarget, m_strOriginal);
    m_prompter.Script(Answer::Cancel);
    EXPECT_FALSE(m_document.SaveFile(Wide(strTarget), m_prompter));
    EXPECT_NE(m_document.LastFailure().find("No space left on device"), std::string::npos)
        << m_document.LastFailure();
    EXPECT_EQ(ReadBytes(strTarget), m_strOriginal);
    EXPECT_EQ(test_support::Names(strDisk), std::set<std::string>{"day1.rtf"});
    umount(strDisk.c_str());
}

// A save killed at any moment leaves either the old file or the new one.
TEST_F(SaveFailureTest, KilledSaveLeavesOldOrNewNeverAMix)
{
    m_document.AssignStrokes(GeneratedStrokes(20000));
    const std::string strReference = m_folder / "reference.rtf";
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(m_document.SaveFile(Wide(strReference), m_prompter));
    const auto nSaveMicros = std::chrono::duration_cast<std::chrono::microseconds>(
                                 std::chrono::steady_clock::now() - start)
                                 .count();
    const std::string strNew = ReadBytes(strReference);
    std::filesystem::remove(strReference);

    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<long> delay(0, nSaveMicros * 3 / 2);
    int nOld = 0;
    int nNew = 0;
    for (int nRound = 0; nRound < 16; ++nRound) {
        WriteBytes(m_strTarget, m_strOriginal);
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            platform::ScriptedPrompter prompter{Answer::Cancel};
            _exit(m_document.SaveFile(Wide(m_strTarget), prompter) ? 0 : 1);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        const std::string strNow = ReadBytes(m_strTarget);
        ASSERT_TRUE(strNow == m_strOriginal || strNow == strNew)
            << "round " << nRound << ": " << strNow.size() << " bytes";
        (strNow == m_strOriginal ? nOld : nNew) += 1;
        // A killed save cannot clean up: its temporary file stays, hidden, beside the target.
        for (const std::string& strName : m_folder.Names()) {
            if (strName != "day1.rtf")
                std::filesystem::remove(m_folder / strName);
        }
    }
    RecordProperty("old", nOld);
    RecordProperty("new", nNew);
}

} // namespace
} // namespace strokelist::test
