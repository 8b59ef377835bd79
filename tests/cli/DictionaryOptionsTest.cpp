// stats and export with dictionaries: -d DICT options, the configured list
// (stats only), and a dictionary that fails, through the real binary.
#include "tests/support/CliRunner.h"
#include "tests/support/ScopedDictionaryList.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

using namespace test_support;

class DictionaryOptionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // cat dog(s *) STPH * gift{^ing}: two minutes, two translations taken back.
        WriteBytes(m_strFile, StrokeFileText({{"KA-T", "KA-T", "9:0:0:0"},
                                              {"TKO-G", "TKO-G", "9:0:10:0"},
                                              {"-S", "-S", "9:0:20:0"},
                                              {"*", "*", "9:0:30:0"},
                                              {"STPH", "STPH", "9:1:0:0"},
                                              {"*", "*", "9:1:5:0"},
                                              {"TKPWHR", "TKPWHR", "9:1:10:0"},
                                              {"-FRPB", "-FRPB", "9:1:20:0"},
                                              {"-G", "-G", "9:1:30:0"}}));
    }

    static std::string Line(const std::string& strOut, const std::string& strStart)
    {
        const std::size_t nAt = strOut.find("\n" + strStart);
        return nAt == std::string::npos
                   ? ""
                   : strOut.substr(nAt + 1, strOut.find('\n', nAt + 1) - nAt - 1);
    }

    const CScopedTimeZone m_zone{kUtcZone};
    CTempFolder m_folder;
    const CScopedDictionaryList m_noDictionaries{m_folder.Path("config"), {}};
    const std::string m_strFile = m_folder / "day1.rtf";
    const std::string m_strJson =
        m_folder
            .Write("main.json", R"({"KAT": "cat", "TKOG": "dog", "TKOG/-S": "dogs",
                "TKPWHR/-FRPB": "gift", "-G": "{^ing}"})")
            .string();
};

} // namespace

TEST_F(DictionaryOptionsTest, StatsCountsWordsAndUndoneTranslations)
{
    const CliResult named = RunCli({"stats", m_strFile, "-d", m_strJson});
    EXPECT_EQ(named.nExit, 0);
    EXPECT_EQ(Line(named.strOut, "words"),
              "words per minute: peak 2 at 2024-03-05 09:00, mean 1.5");
    EXPECT_EQ(Line(named.strOut, "misstrokes"),
              "misstrokes: 2 of 2 outlines, translations undone by *");
    EXPECT_NE(named.strOut.find("\nTKO-G/-S\t1\t1\tdogs\nSTPH\t1\t4\tSTPH\n"), std::string::npos);
    {
        const CScopedDictionaryList configured(m_folder.Path("config2"), {{m_strJson, true}});
        EXPECT_EQ(RunCli({"stats", m_strFile}).strOut, named.strOut);
    }
    const CliResult none = RunCli({"stats", m_strFile, "--json"});
    EXPECT_EQ(nlohmann::json::parse(none.strOut)["misstrokes"]["source"], "star strokes");
}

TEST_F(DictionaryOptionsTest, ExportHasTheTranslationColumnOnlyWithDictionariesNamed)
{
    const CliResult json = RunCli({"export", m_strFile, "--format", "json", "-d", m_strJson});
    EXPECT_EQ(json.nExit, 0);
    std::vector<std::string> texts;
    for (const auto& record : nlohmann::json::parse(json.strOut))
        texts.push_back(record["translation"]);
    EXPECT_EQ(texts, (std::vector<std::string>{"cat", "dog", "", "", "", "", "gift", "", "ing"}));
    const CliResult csv = RunCli({"export", "-d", m_strJson, m_strFile, "--format", "csv"});
    EXPECT_NE(csv.strOut.find(",translation\r\n0,"), std::string::npos);
    const CScopedDictionaryList configured(m_folder.Path("config2"), {{m_strJson, true}});
    EXPECT_EQ(RunCli({"export", m_strFile, "--format", "csv"}).strOut.find("translation"),
              std::string::npos);
}

// A dictionary that fails is named and the others still translate; a -d
// without a name is a usage error.
TEST_F(DictionaryOptionsTest, ADictionaryThatFailsOrAMissingName)
{
    const std::string strMissing = m_folder / "missing.json";
    for (const std::vector<std::string>& call :
         {std::vector<std::string>{"stats", m_strFile, "-d", strMissing, "-d", m_strJson},
          {"export", m_strFile, "--format", "csv", "-d", strMissing, "-d", m_strJson}}) {
        const CliResult result = RunCli(call);
        EXPECT_EQ(result.nExit, 1);
        EXPECT_TRUE(result.strErr.starts_with("Failed to load dictionary '" + strMissing + "': "));
        EXPECT_NE(result.strOut.find(call[0] == "stats" ? "undone by *" : ",gift\r\n"),
                  std::string::npos);
        const CliResult usage = RunCli({call.begin(), call.end() - 1});
        EXPECT_EQ(usage.nExit, 2);
        EXPECT_TRUE(usage.strErr.starts_with("Usage: quillmark-cli " + call[0])) << usage.strErr;
    }
}
