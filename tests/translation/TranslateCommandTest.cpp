// quillmark-cli translate, run as a script runs it.
#include "tests/support/CliRunner.h"
#include "tests/support/ScopedDictionaryList.h"

#include <gtest/gtest.h>

namespace {

using namespace test_support;

class TranslateCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WriteBytes(m_strFile, StrokeFileText({{"KPA", "KPA", "9:0:0:0"},
                                              {"KA-T", "KA-T", "9:0:1:0"},
                                              {"TKO-G", "TKO-G", "9:0:2:0"},
                                              {"-S", "-S", "9:0:3:0"},
                                              {"STPH", "STPH", "9:0:4:0"},
                                              {"*", "*", "9:0:5:0"},
                                              {"STPH", "STPH", "9:0:6:0"},
                                              {"R-R", "R-R", "9:0:7:0"},
                                              {"#1-9", "#1-9", "9:0:8:0"}}));
    }

    const CScopedTimeZone m_zone{kUtcZone};
    CTempFolder m_folder;
    const std::string m_strFile = m_folder / "day1.rtf";
    const std::string m_strJson =
        m_folder
            .Write("main.json", R"({"KPA": "{}{-|}", "KAT": "cat", "TKOG": "dog",
            "TKOG/-S": "dogs", "R-R": "{^\n^}", "1-9": "nineteen"})")
            .string();
    const std::string m_strRtf =
        m_folder.Write("mine.rtf", "{\\rtf1\\ansi\\cxdict\r\n{\\*\\cxs KAT}\\cxfc kitty\r\n}")
            .string();
};

} // namespace

TEST_F(TranslateCommandTest, PrintsOneLinePerTranslationOrTheWords)
{
    const CliResult table =
        RunCli({"translate", m_strFile, "-d", m_strRtf, "-d", m_strJson, "--tsv"});
    EXPECT_EQ(table.nExit, 0);
    EXPECT_EQ(table.strErr, "");
    EXPECT_EQ(table.strOut, "0\t1\tKPA\tentry\t{}{-|}\n"
                            "1\t1\tKA-T\tentry\t\\cxfc kitty\n"
                            "2\t2\tTKO-G/-S\tentry\tdogs\n"
                            "6\t1\tSTPH\tuntranslated\t\n"
                            "7\t1\tR-R\tentry\t{^\\n^}\n"
                            "8\t1\t#1-9\tentry\tnineteen\n");
    const CliResult other = RunCli({"translate", "--tsv", m_strFile, "-d", m_strJson});
    EXPECT_NE(other.strOut.find("\n1\t1\tKA-T\tentry\tcat\n"), std::string::npos) << other.strOut;
    const CliResult transcript = RunCli({"translate", m_strFile, "-d", m_strRtf, "-d", m_strJson});
    EXPECT_EQ(transcript.strOut, "Kitty dogs STPH\nnineteen\n");
}

TEST_F(TranslateCommandTest, ReadsTheConfiguredListAndReportsADictionaryThatFails)
{
    const CScopedDictionaryList list(m_folder.Path("config"),
                                     {{m_folder / "broken.json", true}, {m_strJson, true}});
    m_folder.Write("broken.json", "{\n\"KAT\": 1}");
    const CliResult result = RunCli({"translate", m_strFile});
    EXPECT_EQ(result.nExit, 1);
    EXPECT_EQ(result.strErr, "Failed to load dictionary '" + (m_folder / "broken.json") +
                                 "': line 2: the text of \"KAT\" is not a string\n");
    EXPECT_EQ(result.strOut, "Cat dogs STPH\nnineteen\n");
}

TEST_F(TranslateCommandTest, RefusesArgumentsItDoesNotKnow)
{
    for (const std::vector<std::string>& call : {std::vector<std::string>{"translate", "--tsv"},
                                                 {"translate", m_strFile, "-d"},
                                                 {"translate", m_strFile, "-x"},
                                                 {"translate", m_strFile, m_strFile}}) {
        const CliResult result = RunCli(call);
        EXPECT_EQ(result.nExit, 2);
        EXPECT_EQ(result.strErr, "Usage: quillmark-cli translate FILE [-d DICT]... [--tsv]\n");
    }
}
