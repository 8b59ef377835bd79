// quillmark-cli's output is a contract: these tests run the real binary and
// compare its bytes and exit codes.
#include "rtfcre/LocalTime.h"
#include "tests/rtfcre/TestFiles.h"

#include <gtest/gtest.h>

#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

struct CliRun
{
    int nExitCode = -1;
    std::string strOut;
    std::string strErr;
};

constexpr const char* kHeader = "{\\rtf1\\pc\n{\\*\\cxrev100}\n{\\*\\cxnotes}\n"
                                "{\\*\\cxsystem {\\i Corvane writer} Ardentide Inc}\n{\\info\n"
                                "{\\creatim\\yr2024\\mo5\\da3}\n}\n";

std::string Stroke(const std::string& strSteno, const std::string& strRaw,
                   const std::string& strTime, const std::string& strValues = "",
                   const std::string& strPairs = "")
{
    return "{\\*\\cxs " + strSteno + "}\n{\\*\\cxsf " + strRaw + "}\n{\\*\\cxt " + strTime +
           "}\n{\\*\\cxsp " + strValues + "}\n{\\*\\cxspt " + strPairs + "}\n";
}

const std::string kZeroValues = "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";
const std::string kZeroPairs =
    "0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 "
    "0,0 0,0 0,0 0,0";

class CliTest : public ::testing::Test
{
protected:
    /// Runs quillmark-cli with the arguments under TZ=UTC0.
    CliRun Run(const std::vector<std::string>& arguments)
    {
        const CScopedTimeZone zone(kUtcZone);
        const auto outPath = m_dir.Path("stdout");
        const auto errPath = m_dir.Path("stderr");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        std::vector<std::string> all = {QUILLMARK_CLI_PATH};
        all.insert(all.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& argument : all)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        pid_t pid = 0;
        CliRun run;
        if (posix_spawn(&pid, QUILLMARK_CLI_PATH, &actions, nullptr, argv.data(), environ) == 0) {
            int nStatus = 0;
            ::waitpid(pid, &nStatus, 0);
            run.nExitCode = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        run.strOut = ReadBytes(outPath);
        run.strErr = ReadBytes(errPath);
        return run;
    }

    std::string Write(const std::string& content)
    {
        return m_dir.Write("strokes.rtf", content).string();
    }

    CTempDirectory m_dir;
};

} // namespace

TEST_F(CliTest, HelpGoesToStandardOutput)
{
    const CliRun run = Run({"--help"});
    EXPECT_EQ(run.nExitCode, 0);
    EXPECT_EQ(run.strOut.rfind("Usage: quillmark-cli", 0), 0u);
    EXPECT_NE(run.strOut.find("dump FILE"), std::string::npos);
    EXPECT_NE(run.strOut.find("resave IN OUT"), std::string::npos);
    EXPECT_NE(run.strOut.find("info FILE"), std::string::npos);
    EXPECT_EQ(run.strErr, "");
}

TEST_F(CliTest, UsageErrorsExitTwo)
{
    const std::vector<std::vector<std::string>> calls = {
        {},       {"frobnicate"}, {"dump"}, {"dump", "a", "b"}, {"resave", "a"},
        {"info"}, {"--help", "x"}};
    for (const auto& call : calls) {
        const CliRun run = Run(call);
        EXPECT_EQ(run.nExitCode, 2) << call.size();
        EXPECT_EQ(run.strOut, "");
        EXPECT_EQ(run.strErr.rfind("Usage: quillmark-cli", 0), 0u);
    }
}

TEST_F(CliTest, DumpPrintsOneLinePerStroke)
{
    std::string pairs = "-1,-1 5,0";
    for (int i = 0; i < 22; ++i)
        pairs += " 0,0";
    const std::string path =
        Write(std::string(kHeader) + Stroke("KA-T", "KA-T", "9:5:7:0", kZeroValues, kZeroPairs) +
              Stroke("#1-9", "", "10:0:0:0", "65535 3", pairs) + "}\r\n");
    const CliRun run = Run({"dump", path});
    EXPECT_EQ(run.nExitCode, 0);
    EXPECT_EQ(run.strErr, "");
    std::string values = "65535 3";
    for (int i = 0; i < 22; ++i)
        values += " 0";
    EXPECT_EQ(run.strOut, "0\t1714727107\tKA-T\tKA-T\t" + kZeroValues + "\t" + kZeroPairs + "\n" +
                              "1\t1714730400\t#1-9\t#1-9\t" + values + "\t" + pairs + "\n");
}

TEST_F(CliTest, DumpOfAnEmptyStrokeLeavesEmptyFields)
{
    const std::string path =
        Write(std::string(kHeader) + Stroke("", "", "0:0:0:0", kZeroValues, kZeroPairs));
    const CliRun run = Run({"dump", path});
    EXPECT_EQ(run.nExitCode, 0);
    EXPECT_EQ(run.strOut, "0\t1714694400\t\t\t" + kZeroValues + "\t" + kZeroPairs + "\n");
}

TEST_F(CliTest, DumpPrintsTheStrokesBeforeAFailure)
{
    const std::string path = Write(std::string(kHeader) + Stroke("A", "A", "1:0:0:0", "1") +
                                   Stroke("B", "B", "2:0:0:0", "2") + "{\\*\\cxs C}\n\n\n\n");
    const CliRun run = Run({"dump", path});
    EXPECT_EQ(run.nExitCode, 1);
    EXPECT_EQ(std::count(run.strOut.begin(), run.strOut.end(), '\n'), 2);
    EXPECT_EQ(run.strOut.rfind("0\t1714698000\tA\tA\t1 0 ", 0), 0u);
    EXPECT_EQ(run.strErr,
              "Failed to load file '" + path + "': no time group for the stroke at line 18\n");
}

TEST_F(CliTest, LoadFailuresExitOne)
{
    struct Row
    {
        std::string content;
        const char* reason;
    };
    const Row rows[] = {
        {"{\\*\\cxsystem {\\i N} T}\n" + Stroke("A", "A", "1:0:0:0"),
         "no creation line in the header"},
        {"{\\creatim\\yr2024\\mo5\\da3}\n" + Stroke("A", "A", "1:0:0:0"),
         "no system line in the header"},
        {std::string(kHeader) + Stroke("A", "A", "1:60:0:0"), "minute 60 out of range at line 10"},
    };
    for (const Row& row : rows) {
        const std::string path = Write(row.content);
        for (const char* command : {"dump", "info"}) {
            const CliRun run = Run({command, path});
            EXPECT_EQ(run.nExitCode, 1) << command << ' ' << row.reason;
            EXPECT_EQ(run.strOut, "");
            EXPECT_EQ(run.strErr, "Failed to load file '" + path + "': " + row.reason + "\n");
        }
    }
    const std::string missing = m_dir.Path("missing.rtf").string();
    const CliRun run = Run({"info", missing});
    EXPECT_EQ(run.nExitCode, 1);
    EXPECT_EQ(run.strErr,
              "Failed to load file '" + missing + "': cannot open: No such file or directory\n");
}

TEST_F(CliTest, InfoSummarisesTheFile)
{
    const std::string path = Write(std::string(kHeader) + Stroke("A", "A", "9:5:7:0") +
                                   Stroke("B", "B", "8:0:0:0") + Stroke("C", "C", "17:45:12:0"));
    const CliRun run = Run({"info", path});
    EXPECT_EQ(run.nExitCode, 0);
    EXPECT_EQ(run.strOut, "system: Corvane writer\n"
                          "created: 2024-05-03\n"
                          "strokes: 3\n"
                          "first: 2024-05-03 09:05:07\n"
                          "last: 2024-05-03 17:45:12\n");
}

TEST_F(CliTest, InfoOfAFileWithoutStrokes)
{
    const CliRun run = Run({"info", Write(std::string(kHeader) + "}\r\n")});
    EXPECT_EQ(run.nExitCode, 0);
    EXPECT_EQ(run.strOut,
              "system: Corvane writer\ncreated: 2024-05-03\nstrokes: 0\nfirst: none\nlast: none\n");
}

TEST_F(CliTest, ResaveWritesTheSavedForm)
{
    const std::string in =
        Write(std::string(kHeader) + "{\\*\\cxs KA-T}{\\*\\cxsf TK-T}{\\*\\cxt 9:5:7}\n");
    const std::string out = m_dir.Path("out.rtf").string();
    const CliRun run = Run({"resave", in, out});
    ASSERT_EQ(run.nExitCode, 0) << run.strErr;
    EXPECT_EQ(run.strOut, "");
    const CScopedTimeZone zone(kUtcZone);
    const std::time_t now = std::time(nullptr);
    const std::string today = "{\\creatim\\yr" + std::to_string(rtfcre::LocalYear(now)) + "\\mo" +
                              std::to_string(rtfcre::LocalMonth(now)) + "\\da" +
                              std::to_string(rtfcre::LocalDay(now)) + "}\n";
    EXPECT_EQ(ReadBytes(out), "{\\rtf1\\pc\n{\\*\\cxrev100}\n{\\*\\cxnotes}\n"
                              "{\\*\\cxsystem {\\i Corvane writer} Ardentide Inc}\n{\\info\n" +
                                  today + "}\n" +
                                  Stroke("KA-T", "TK-T", "9:5:7:0", kZeroValues, kZeroPairs) +
                                  "}\r\n");
}

TEST_F(CliTest, ResaveLeavesTheTargetAloneWhenLoadingFails)
{
    const std::string in = Write("{\\*\\cxsystem {\\i N} T}\n");
    const auto out = m_dir.Path("out.rtf");
    const CliRun run = Run({"resave", in, out.string()});
    EXPECT_EQ(run.nExitCode, 1);
    EXPECT_EQ(run.strErr, "Failed to load file '" + in + "': no creation line in the header\n");
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(CliTest, ResaveReportsATargetThatCannotBeWritten)
{
    const std::string in = Write(std::string(kHeader) + Stroke("A", "A", "1:0:0:0"));
    struct Row
    {
        std::string target;
        const char* reason;
    };
    const Row rows[] = {
        {m_dir.Path("no/folder.rtf").string(), "cannot create: No such file or directory"},
        {"/dev/full", "cannot write: No space left on device"},
    };
    for (const Row& row : rows) {
        const CliRun run = Run({"resave", in, row.target});
        EXPECT_EQ(run.nExitCode, 1);
        EXPECT_EQ(run.strErr, "Failed to save file '" + row.target + "': " + row.reason + "\n");
    }
}
