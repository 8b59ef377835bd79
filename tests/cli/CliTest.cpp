// quillmark-cli's output is a contract: these tests run the real binary and
// compare its bytes and exit codes.
#include "base/LocalTime.h"
#include "rtfcre/StrokeFileLoading.h"
#include "tests/support/CliRunner.h"
#include "tests/support/ScopedDictionaryList.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

using namespace test_support;

// Strokes KAT at 0 and 3, written a second apart from 09:05:07 on 2024-03-05 (UTC).
const std::vector<FileStroke> kStrokes = {{"KAT", "KAT", "9:5:7:0"},
                                          {"PW", "PW", "9:5:8:0"},
                                          {"-T", "-T", "9:5:9:0"},
                                          {"KAT", "KA", "13:0:0:0"}};

/// Each stroke's time of day in seconds (the zone is UTC).
std::vector<std::int64_t> TimesOfDay(const std::string& strPath)
{
    StrokeFileHeader header;
    std::vector<CStenoStroke> strokes;
    LoadStrokeFile(strPath, header, strokes);
    std::vector<std::int64_t> times;
    for (const CStenoStroke& stroke : strokes)
        times.push_back(stroke.m_time % 86400);
    return times;
}

class CliTest : public ::testing::Test
{
protected:
    void SetUp() override { WriteBytes(m_strFile, m_strOriginal); }

    static void Expect(const std::vector<std::string>& arguments, int nExit,
                       const std::string& strOut, const std::string& strErr)
    {
        const CliResult result = RunCli(arguments);
        SCOPED_TRACE(arguments[0] + (arguments.size() > 2 ? " " + arguments[2] : ""));
        EXPECT_EQ(result.nExit, nExit);
        EXPECT_EQ(result.strOut, strOut);
        EXPECT_EQ(result.strErr, strErr);
    }

    std::string Write(const std::string& strContent) const
    {
        return m_folder.Write("strokes.rtf", strContent).string();
    }

    const CScopedTimeZone m_zone{kUtcZone}; // the tool inherits it
    CTempFolder m_folder;
    const std::string m_strFile = m_folder / "day1.rtf";
    const std::string m_strOut = m_folder / "out.rtf";
    const std::string m_strOriginal = StrokeFileText(kStrokes);
};

TEST_F(CliTest, HelpAndUsageErrors)
{
    const CliResult help = RunCli({"--help"});
    EXPECT_EQ(help.nExit, 0);
    EXPECT_TRUE(help.strOut.starts_with("Usage: quillmark-cli")) << help.strOut;
    EXPECT_EQ(help.strErr, "");
    const std::vector<std::vector<std::string>> calls = {
        {},
        {"frobnicate"},
        {"dump"},
        {"replace", m_strFile, "KAT", "PW", "-x", "out.rtf"},
        {"goto", m_strFile, "9:05:08"},
        {"goto", m_strFile, "09:60:00"},
        {"shift", m_strFile, "1:00:00"},
        {"shift", m_strFile, "+01:00:00", "--from"},
        {"shift", m_strFile, "+01:00:00", "--to", "x"},
        {"shift", m_strFile, "+01:00:00", "--at", "1"},
        {"export", m_strFile},
        {"export", m_strFile, "--format", "xml"},
        {"import", m_strFile},
    };
    for (const auto& call : calls) {
        const CliResult result = RunCli(call);
        EXPECT_EQ(result.nExit, 2) << call.size();
        EXPECT_EQ(result.strOut, "");
        EXPECT_TRUE(result.strErr.starts_with("Usage: quillmark-cli")) << result.strErr;
    }
    EXPECT_EQ(ReadBytes(m_strFile), m_strOriginal);
}

// One line per stroke; a file that fails part way still prints the strokes before.
TEST_F(CliTest, DumpPrintsOneLinePerStroke)
{
    std::string strPairs = "-1,-1 5,0";
    std::string strValues = "65535 3";
    for (int i = 0; i < 22; ++i) {
        strPairs += " 0,0";
        strValues += " 0";
    }
    const std::string strStrokes = HeaderText() +
                                   StrokeLines("KA-T", "KA-T", "9:5:7:0", kZeroValues, kZeroPairs) +
                                   StrokeLines("#1-9", "", "10:0:0:0", "65535 3", strPairs) +
                                   StrokeLines("", "", "0:0:0:0", kZeroValues, kZeroPairs);
    const std::string strLines = "0\t1714727107\tKA-T\tKA-T\t" + kZeroValues + "\t" + kZeroPairs +
                                 "\n1\t1714730400\t#1-9\t#1-9\t" + strValues + "\t" + strPairs +
                                 "\n2\t1714694400\t\t\t" + kZeroValues + "\t" + kZeroPairs + "\n";
    Expect({"dump", Write(strStrokes + "}\r\n")}, 0, strLines, "");
    const std::string strPath = Write(strStrokes + "{\\*\\cxs C}\n\n\n\n");
    Expect({"dump", strPath}, 1, strLines,
           "Failed to load file '" + strPath + "': no time group for the stroke at line 23\n");
}

// Every command that reads a file names it and the reason, and writes nothing.
TEST_F(CliTest, LoadFailuresExitOne)
{
    struct Row
    {
        std::string strContent; // empty: no file at all
        const char* reason;
    };
    const Row rows[] = {
        {HeaderText() + StrokeLines("A", "A", "1:60:0:0"), "minute 60 out of range at line 10"},
        {"", "cannot open: No such file or directory"},
    };
    const std::string strOut = m_folder / "out.rtf";
    for (const Row& row : rows) {
        const std::string strPath =
            row.strContent.empty() ? m_folder / "missing-\xe9.rtf" : Write(row.strContent);
        for (const std::vector<std::string>& call : {std::vector<std::string>{"dump", strPath},
                                                     {"info", strPath},
                                                     {"find", strPath, "KAT"},
                                                     {"goto", strPath, "09:05:07"},
                                                     {"replace", strPath, "KAT", "PW"},
                                                     {"resave", strPath, strOut},
                                                     {"shift", strPath, "+00:00:01"},
                                                     {"export", strPath, "--format", "csv"}})
            Expect(call, 1, "", "Failed to load file '" + strPath + "': " + row.reason + "\n");
    }
    EXPECT_FALSE(std::filesystem::exists(strOut));
}

TEST_F(CliTest, InfoSummarisesTheFile)
{
    Expect({"info", Write(HeaderText() + StrokeLines("A", "A", "9:5:7:0") +
                          StrokeLines("B", "B", "8:0:0:0") + StrokeLines("C", "C", "17:45:12:0"))},
           0,
           "system: Corvane writer\ncreated: 2024-05-03\nstrokes: 3\n"
           "first: 2024-05-03 09:05:07\nlast: 2024-05-03 17:45:12\n",
           "");
    Expect({"info", Write(HeaderText() + "}\r\n")}, 0,
           "system: Corvane writer\ncreated: 2024-05-03\nstrokes: 0\nfirst: none\nlast: none\n",
           "");
}

TEST_F(CliTest, ResaveWritesTheSavedForm)
{
    const std::string strIn =
        Write(HeaderText() + "{\\*\\cxs KA-T}{\\*\\cxsf TK-T}{\\*\\cxt 9:5:7}\n");
    const std::string strOut = m_folder / "out.rtf";
    WriteBytes(strOut, "an older file");
    Expect({"resave", strIn, strOut}, 0, "", "");
    const std::time_t now = std::time(nullptr);
    const std::string strToday = "\\yr" + std::to_string(base::LocalYear(now)) + "\\mo" +
                                 std::to_string(base::LocalMonth(now)) + "\\da" +
                                 std::to_string(base::LocalDay(now));
    EXPECT_EQ(ReadBytes(strOut),
              HeaderText(strToday) +
                  StrokeLines("KA-T", "TK-T", "9:5:7:0", kZeroValues, kZeroPairs) + "}\r\n");
    EXPECT_EQ(m_folder.Names(), (std::set<std::string>{"day1.rtf", "out.rtf", "strokes.rtf"}));
}

// A target that cannot be written is reported; which targets cannot is the
// safe replacement's test.
TEST_F(CliTest, SaveReportsATargetThatCannotBeWritten)
{
    const std::string strTarget = m_folder / "no/folder.rtf";
    const CliResult result = RunCli({"resave", m_strFile, strTarget});
    EXPECT_EQ(result.nExit, 1);
    EXPECT_EQ(result.strErr, "Failed to save file '" + strTarget +
                                 "': cannot create a temporary file in '" + m_folder / "no" +
                                 "': No such file or directory\n");
}

TEST_F(CliTest, FindGotoAndReplaceAnswerLikeTheEditor)
{
    Expect({"find", m_strFile, "KAT"}, 0, "0\t09:05:07\n3\t13:00:00\n", "");
    Expect({"find", m_strFile, "STKPW"}, 0, "", "No occurrences found\n");
    Expect({"goto", m_strFile, "09:05:08"}, 0, "1\n", "");
    Expect({"goto", m_strFile, "13:00:00"}, 0, "3\n", "");
    Expect({"goto", m_strFile, "09:05:10"}, 0, "", "No occurrences found\n");
    const std::string strOut = m_folder / "out.rtf";
    Expect({"replace", m_strFile, "STKPW", "PW", "-o", strOut}, 0, "Nothing found to replace\n",
           "");
    EXPECT_FALSE(std::filesystem::exists(strOut));
    EXPECT_EQ(ReadBytes(m_strFile), m_strOriginal);
}

// Names are bytes: a name that is not UTF-8 is read and written as named.
TEST_F(CliTest, AnyFileNameWorks)
{
    const std::string strPath = m_folder / "Caf\xe9-\xff\xc3.rtf";
    const std::string strOut = m_folder / "Caf\xe9-\xff\xc3-out.rtf";
    WriteBytes(strPath, m_strOriginal);
    Expect({"replace", strPath, "PW", "TKPW", "-o", strOut}, 0, "1 stroke(s) replaced\n", "");
    Expect({"find", strPath, "PW"}, 0, "1\t09:05:08\n", ""); // -o leaves the original
    // Only the keys change: the raw stroke stays as written.
    EXPECT_NE(ReadBytes(strOut).find("{\\*\\cxsf PW}"), std::string::npos);
    Expect({"replace", strOut, "TKPW", "STK"}, 0, "1 stroke(s) replaced\n", "");
    Expect({"goto", strOut, "09:05:08"}, 0, "1\n", "");
    EXPECT_EQ(m_folder.Names(), (std::set<std::string>{"day1.rtf", "Caf\xe9-\xff\xc3.rtf",
                                                       "Caf\xe9-\xff\xc3-out.rtf"}));
}

TEST_F(CliTest, ShiftMovesTheRangeOrReanchorsAndSaves)
{
    EXPECT_EQ(
        RunCli({"shift", m_strFile, "-01:00:00", "--to", "2", "-o", m_strOut, "--from", "1"}).nExit,
        0);
    EXPECT_EQ(TimesOfDay(m_strOut), (std::vector<std::int64_t>{32707, 29108, 29109, 46800}));
    EXPECT_EQ(RunCli({"shift", m_strOut, "10:00:00", "--from", "1"}).nExit, 0);
    EXPECT_EQ(TimesOfDay(m_strOut), (std::vector<std::int64_t>{32707, 36000, 36001, 53692}));
    EXPECT_EQ(ReadBytes(m_strFile), m_strOriginal);
}

TEST_F(CliTest, ShiftThatCannotBeMadeLeavesTheFile)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> rows = {
        {{"shift", m_strFile, "-09:05:08"},
         "Shifting by -09:05:08 would move stroke 1 (09:05:07) before the start of its day."},
        {{"shift", m_strFile, "+00:00:01", "--from", "2", "--to", "4"},
         "strokes 2 to 4 are not among its 4 strokes"},
    };
    for (const auto& [call, strReason] : rows) {
        const CliResult result = RunCli(call);
        EXPECT_EQ(result.nExit, 1);
        EXPECT_EQ(result.strErr, "Failed to shift file '" + m_strFile + "': " + strReason + "\n");
    }
    EXPECT_EQ(ReadBytes(m_strFile), m_strOriginal);
}

// Standard output and -o give the same bytes: a header and four rows, or four objects.
TEST_F(CliTest, ExportWritesToOutputOrFile)
{
    for (const auto& [format, nLines] : {std::pair{"csv", 5}, {"json", 6}}) {
        const CliResult printed = RunCli({"export", m_strFile, "--format", format});
        EXPECT_EQ(RunCli({"export", m_strFile, "-o", m_strOut, "--format", format}).nExit, 0);
        EXPECT_EQ(ReadBytes(m_strOut), printed.strOut) << format;
        EXPECT_EQ(std::count(printed.strOut.begin(), printed.strOut.end(), '\n'), nLines);
    }
}

// With -d each record ends with its translation; the configured list adds nothing.
TEST_F(CliTest, ExportTranslatesWithTheDictionariesNamed)
{
    const std::string strJson = m_folder.Write("main.json", R"({"PW": "about"})").string();
    const CliResult csv = RunCli({"export", m_strFile, "--format", "csv", "-d", strJson});
    EXPECT_NE(csv.strOut.find(",translation\r\n0,"), std::string::npos);
    EXPECT_NE(csv.strOut.find(",about\r\n2,"), std::string::npos);
    EXPECT_EQ(RunCli({"export", m_strFile, "--format", "csv", "-d", m_folder / "no.json"}).nExit,
              1);
    const CScopedDictionaryList configured(m_folder.Path("config"), {{strJson, true}});
    EXPECT_EQ(RunCli({"export", m_strFile, "--format", "json"}).strOut.find("translation"),
              std::string::npos);
}

// A log over midnight gives a file a day, each dated its day; the bad line is
// named and counted; a source without strokes writes nothing.
TEST_F(CliTest, ImportWritesAFileADay)
{
    const std::string strLog = m_folder / "strokes.log";
    WriteBytes(strLog, "2024-05-03 23:59:59,900 Stroke(KAT : [])\n"
                       "2024-05-04 00:00:01,100 Stroke(S : [])\n2024-05-04 nonsense\n");
    const CliResult result = RunCli({"import", strLog, "-o", m_strOut});
    const std::string strSecond = m_folder / "out-2024-05-04.rtf";
    EXPECT_EQ(result.strOut, m_folder / "out-2024-05-03.rtf" + ": 1 stroke(s)\n" + strSecond +
                                 ": 1 stroke(s)\n2 stroke(s) imported, 1 line(s) skipped\n");
    EXPECT_EQ(result.strErr, strLog + ":3: skipped: no time at the start of the line\n");
    EXPECT_NE(RunCli({"info", strSecond}).strOut.find("created: 2024-05-04\n"), std::string::npos);
    WriteBytes(strLog, "\n");
    EXPECT_EQ(RunCli({"import", strLog, "-o", m_strOut}).strErr,
              "Failed to import file '" + strLog + "': no strokes found\n");
    EXPECT_FALSE(std::filesystem::exists(m_strOut));
}

} // namespace
