#include "../strokelist/StrokeFileFixture.h"
#include "../support/CliRunner.h"

#include <sys/stat.h>

namespace {

using strokelist::test::FileStroke;
using strokelist::test::StrokeFileText;
using test_support::CliResult;
using test_support::CTempFolder;
using test_support::RunCli;
using test_support::WriteBytes;

// Strokes KAT at 0 and 3, written a second apart from 09:05:07 on 2024-03-05 (UTC).
const std::vector<FileStroke> kStrokes = {{"KAT", "KAT", "9:5:7:0"},
                                          {"PW", "PW", "9:5:8:0"},
                                          {"-T", "-T", "9:5:9:0"},
                                          {"KAT", "KA", "13:0:0:0"}};

class DocumentCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        chmod(m_folder.Path().c_str(), 0777);
        WriteBytes(m_strFile, m_strOriginal);
    }

    const CScopedTimeZone m_zone{kUtcZone}; // the tool inherits it
    CTempFolder m_folder;
    const std::string m_strFile = m_folder / "day1.rtf";
    const std::string m_strOriginal = StrokeFileText(kStrokes);
};

void ExpectResult(const CliResult& result, int nExit, const std::string& strOut,
                  const std::string& strErr)
{
    EXPECT_EQ(result.nExit, nExit);
    EXPECT_EQ(result.strOut, strOut);
    EXPECT_EQ(result.strErr, strErr);
}

TEST_F(DocumentCommandsTest, FindListsEveryMatchWithItsTime)
{
    ExpectResult(RunCli({"find", m_strFile, "KAT"}), 0, "0\t09:05:07\n3\t13:00:00\n", "");
    ExpectResult(RunCli({"find", m_strFile, "-T"}), 0, "2\t09:05:09\n", "");
    ExpectResult(RunCli({"find", m_strFile, "STKPW"}), 0, "", "No occurrences found\n");
}

TEST_F(DocumentCommandsTest, AnyFileNameWorks)
{
    for (const char* strName :
         {"Zeugenaussage-\xc3\xa4\xc3\xb6.rtf", "\xe8\xa8\xbc\xe8\xa8\x80.rtf"}) {
        const std::string strPath = m_folder / strName;
        WriteBytes(strPath, m_strOriginal);
        ExpectResult(RunCli({"find", strPath, "PW"}), 0, "1\t09:05:08\n", "");
        ExpectResult(RunCli({"replace", strPath, "PW", "TKPW"}), 0, "1 stroke(s) replaced\n", "");
        ExpectResult(RunCli({"find", strPath, "TKPW"}), 0, "1\t09:05:08\n", "");
    }
    const std::string strMissing = m_folder / "fehlt-\xc3\xbc.rtf";
    EXPECT_TRUE(RunCli({"find", strMissing, "PW"})
                    .strErr.starts_with("Failed to load file '" + strMissing + "': "));
}

TEST_F(DocumentCommandsTest, LoadFailuresNameTheFileAndTheReason)
{
    const std::string strMissing = m_folder / "missing.rtf";
    for (const char* strCommand : {"find", "replace", "goto"}) {
        const std::string strLast = std::string(strCommand) == "goto" ? "09:05:07" : "KAT";
        std::vector<std::string> arguments = {strCommand, strMissing, strLast};
        if (std::string(strCommand) == "replace")
            arguments.push_back("PW");
        const CliResult result = RunCli(arguments);
        EXPECT_EQ(result.nExit, 1) << strCommand;
        EXPECT_TRUE(result.strOut.empty());
        EXPECT_TRUE(result.strErr.starts_with("Failed to load file '" + strMissing + "': "))
            << result.strErr;
        EXPECT_NE(result.strErr.find("No such file or directory"), std::string::npos);
    }
}

TEST_F(DocumentCommandsTest, ReplaceSavesOverTheFileWhenSomethingChanged)
{
    ExpectResult(RunCli({"replace", m_strFile, "KAT", "TKOG"}), 0, "2 stroke(s) replaced\n", "");
    ExpectResult(RunCli({"find", m_strFile, "TKOG"}), 0, "0\t09:05:07\n3\t13:00:00\n", "");
    ExpectResult(RunCli({"find", m_strFile, "KAT"}), 0, "", "No occurrences found\n");
    EXPECT_EQ(m_folder.Names(), std::set<std::string>{"day1.rtf"});
}

TEST_F(DocumentCommandsTest, ReplaceIntoAnotherFileLeavesTheOriginal)
{
    const std::string strOut = m_folder / "day1-fixed.rtf";
    ExpectResult(RunCli({"replace", m_strFile, "-T", "-D", "-o", strOut}), 0,
                 "1 stroke(s) replaced\n", "");
    EXPECT_EQ(ReadBytes(m_strFile), m_strOriginal);
    ExpectResult(RunCli({"find", strOut, "-D"}), 0, "2\t09:05:09\n", "");
    // Only the keys change: the raw stroke stays as written.
    EXPECT_NE(ReadBytes(strOut).find("{\\*\\cxsf -T}"), std::string::npos);
}

TEST_F(DocumentCommandsTest, ReplaceWithNothingFoundWritesNothing)
{
    const std::string strOut = m_folder / "out.rtf";
    ExpectResult(RunCli({"replace", m_strFile, "STKPW", "PW", "-o", strOut}), 0,
                 "Nothing found to replace\n", "");
    EXPECT_FALSE(std::filesystem::exists(strOut));
    EXPECT_EQ(ReadBytes(m_strFile), m_strOriginal);
}

TEST_F(DocumentCommandsTest, ReplaceOverAReadOnlyFileFailsAndKeepsIt)
{
    chmod(m_strFile.c_str(), 0444);
    const CliResult result = RunCli({"replace", m_strFile, "KAT", "PW"}, true);
    EXPECT_EQ(result.nExit, 1);
    EXPECT_EQ(result.strOut, "2 stroke(s) replaced\n");
    EXPECT_TRUE(result.strErr.starts_with("Failed to save file '" + m_strFile + "': "))
        << result.strErr;
    EXPECT_NE(result.strErr.find("Permission denied"), std::string::npos) << result.strErr;
    EXPECT_EQ(ReadBytes(m_strFile), m_strOriginal);
    EXPECT_EQ(m_folder.Names(), std::set<std::string>{"day1.rtf"});
}

TEST_F(DocumentCommandsTest, ReplaceUsage)
{
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"replace", m_strFile, "KAT"},
          std::vector<std::string>{"replace", m_strFile, "KAT", "PW", "-x", "out.rtf"},
          std::vector<std::string>{"replace", m_strFile, "KAT", "PW", "-o"}}) {
        const CliResult result = RunCli(arguments);
        EXPECT_EQ(result.nExit, 2);
        EXPECT_TRUE(result.strOut.empty());
        EXPECT_NE(result.strErr.find("Usage"), std::string::npos);
    }
    EXPECT_EQ(ReadBytes(m_strFile), m_strOriginal);
}

TEST_F(DocumentCommandsTest, GotoFindsTheFirstStrokeAtThatSecond)
{
    ExpectResult(RunCli({"goto", m_strFile, "09:05:08"}), 0, "1\n", "");
    ExpectResult(RunCli({"goto", m_strFile, "13:00:00"}), 0, "3\n", "");
    ExpectResult(RunCli({"goto", m_strFile, "09:05:10"}), 0, "", "No occurrences found\n");
}

TEST_F(DocumentCommandsTest, GotoRejectsMalformedTimes)
{
    for (const char* strTime :
         {"9:05:08", "09:05", "24:00:00", "09:60:00", "09:05:61", "ab:cd:ef", "09-05-08"}) {
        const CliResult result = RunCli({"goto", m_strFile, strTime});
        EXPECT_EQ(result.nExit, 2) << strTime;
        EXPECT_TRUE(result.strOut.empty());
    }
}

TEST_F(DocumentCommandsTest, EmptyDocumentFindsNothing)
{
    WriteBytes(m_strFile, StrokeFileText({}));
    ExpectResult(RunCli({"find", m_strFile, "KAT"}), 0, "", "No occurrences found\n");
    ExpectResult(RunCli({"goto", m_strFile, "09:05:07"}), 0, "", "No occurrences found\n");
    ExpectResult(RunCli({"replace", m_strFile, "KAT", "PW"}), 0, "Nothing found to replace\n", "");
}

} // namespace
