// quillmark-cli stats: its arguments, its two forms of output and the
// stacked-stroke threshold, through the real binary.
#include "tests/support/CliRunner.h"
#include "tests/support/ScopedDictionaryList.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

using namespace test_support;

// S at 9:05:07 and T 60 ms after it, then `*` and one more stroke two minutes on.
const std::string kTimedValues = "0 0 3 3 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";
const std::string kTimedPairs = "0,0 0,0 1000000,30000000 1600000,30000000 0,0 0,0 0,0 0,0 0,0 "
                                "0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0";

class StatsCommandTest : public ::testing::Test
{
protected:
    const CScopedTimeZone m_zone{kUtcZone};
    CTempFolder m_folder;
    const CScopedDictionaryList m_noDictionaries{m_folder.Path("config"), {}};
    const std::string m_strFile =
        m_folder
            .Write("day1.rtf", HeaderText("\\yr2024\\mo3\\da5") +
                                   StrokeLines("ST", "ST", "9:5:7:0", kTimedValues, kTimedPairs) +
                                   StrokeLines("*", "*", "9:5:8:0", kZeroValues, kZeroPairs) +
                                   StrokeLines("-T", "-T", "9:7:0:0", kZeroValues, kZeroPairs) +
                                   "}\r\n")
            .string();
};

TEST_F(StatsCommandTest, TextStartsWithTheSummary)
{
    const CliResult result = RunCli({"stats", m_strFile});
    EXPECT_EQ(result.nExit, 0);
    EXPECT_EQ(result.strErr, "");
    EXPECT_TRUE(result.strOut.starts_with(
        "strokes: 3\n"
        "span: 2024-03-05 09:05 to 2024-03-05 09:07, 3 minutes, 2 with strokes\n"
        "strokes per minute: peak 2 at 2024-03-05 09:05, mean 1.5\n"
        "words per minute: no translation\n"
        "pauses: 2, 0 strokes timed before the one above left out\n"
        "misstrokes: 1 of 1 outlines, strokes followed by *\n"
        "possibly stacked: 1 of 1 strokes with two timed keys, over 50 ms\n\n"
        "minute\tstrokes\twords\n2024-03-05 09:05\t2\t0\n2024-03-05 09:07\t1\t0\n"))
        << result.strOut;
    EXPECT_NE(result.strOut.find("\nmisstroke\tcount\tfirst stroke\ttext\nST\t1\t0\t\n"),
              std::string::npos);
    EXPECT_TRUE(result.strOut.ends_with("\nstacked stroke\tspread ms\n0\t60\n"));

    const CliResult higher = RunCli({"stats", m_strFile, "--stacked", "70"});
    EXPECT_NE(
        higher.strOut.find("possibly stacked: 0 of 1 strokes with two timed keys, over 70 ms"),
        std::string::npos);
}

TEST_F(StatsCommandTest, JsonHoldsTheSameNumbers)
{
    const CliResult result = RunCli({"stats", m_strFile, "--stacked", "55", "--json"});
    EXPECT_EQ(result.nExit, 0);
    const auto json = nlohmann::json::parse(result.strOut);
    EXPECT_EQ(json["strokes"], 3);
    EXPECT_EQ(json["pauses"]["longest"][0], nlohmann::json({{"stroke", 2}, {"seconds", 112}}));
    EXPECT_EQ(json["keys"][20]["key"], "-T");
    EXPECT_EQ(json["spread"]["stacked"], nlohmann::json::parse("[[0, 60.0]]"));
}

// Dictionaries, named or else the configured ones, give words per minute and
// misstrokes as the translations * took back; one that fails fails the command.
TEST_F(StatsCommandTest, DictionariesTranslateTheStrokes)
{
    const std::string strJson =
        m_folder.Write("main.json", R"({"ST": "is it", "-T": "the"})").string();
    const CliResult named = RunCli({"stats", m_strFile, "-d", strJson});
    EXPECT_EQ(named.nExit, 0);
    for (const char* pPart :
         {"\nwords per minute: peak 1 at 2024-03-05 09:07, mean 0.5\n",
          "\nmisstrokes: 1 of 1 outlines, translations undone by *\n", "\nST\t1\t0\tis it\n"})
        EXPECT_NE(named.strOut.find(pPart), std::string::npos) << pPart;
    EXPECT_EQ(RunCli({"stats", m_strFile, "-d", m_folder / "no.json"}).nExit, 1);
    const CScopedDictionaryList configured(m_folder.Path("config2"), {{strJson, true}});
    EXPECT_EQ(RunCli({"stats", m_strFile}).strOut, named.strOut);
}

TEST_F(StatsCommandTest, BadArgumentsAndFiles)
{
    for (const std::vector<std::string>& call :
         {std::vector<std::string>{"stats", m_strFile, "--frob"},
          {"stats", m_strFile, "--stacked"},
          {"stats", m_strFile, "--stacked", "-5"},
          {"stats", m_strFile, "--stacked", "5ms"}}) {
        const CliResult result = RunCli(call);
        EXPECT_EQ(result.nExit, 2) << call.back();
        EXPECT_EQ(result.strOut, "");
        EXPECT_TRUE(result.strErr.starts_with("Usage: quillmark-cli stats FILE")) << result.strErr;
    }
    EXPECT_EQ(RunCli({"stats", m_folder / "missing.rtf", "--json"}).nExit, 1);
}

} // namespace
