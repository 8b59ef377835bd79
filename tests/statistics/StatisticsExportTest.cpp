// Saving the statistics window's numbers as CSV and the dialog and messages around it.
#include "base/BufferedWriter.h"
#include "statistics/StatisticsCsv.h"
#include "statistics/StatisticsExport.h"
#include "tests/support/FileTestSupport.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace {

using namespace statistics;
using platform::Answer;
using platform::PromptKind;

std::wstring Wide(const std::string& str)
{
    return {str.begin(), str.end()};
}

TEST(StatisticsExportTest, TheDialogProposesTheDocumentsNameBesideIt)
{
    const platform::FileRequest picture =
        ExportRequest(ExportKind::Picture, L"/home/w/day1.rtf", L"/home/w/Documents");
    EXPECT_EQ(picture, (platform::FileRequest{L"PNG image (*.png)", L"png", L"/home/w",
                                              L"day1_statistics"}));
    const platform::FileRequest numbers = ExportRequest(ExportKind::Numbers, L"", L"/docs");
    EXPECT_EQ(numbers, (platform::FileRequest{L"CSV (*.csv)", L"csv", L"/docs", L""}));
}

TEST(StatisticsExportTest, NumbersAreWrittenAsCsvTables)
{
    StrokeStatistics stats;
    stats.nStrokes = 2;
    stats.misstrokes.bTranslated = true;
    stats.misstrokes.top = {{L"KAT", L"a \"b\", c", 1, 0}};
    stats.keys[steno::kKeyA] = {steno::kKeyA, 2, 1, {2, 3, 5, 3.5, 4, 4.5, 1, {1, 0, 1}}};
    const test_support::CTempFolder folder;
    const std::string strPath = folder / "day1_statistics.csv";
    platform::ScriptedFileDialogs dialogs;
    platform::ScriptedPrompter prompter;
    dialogs.Script(Wide(strPath));
    EXPECT_TRUE(ExportWithDialog(dialogs, prompter, ExportRequest(ExportKind::Numbers, L"", L""),
                                 [&](base::CBufferedWriter& out) { WriteStatisticsCsv(out, stats); }));
    const std::string csv = ReadBytes(strPath);
    EXPECT_EQ(csv.substr(0, 28), "figure,value\r\nstrokes,2\r\nfir");
    EXPECT_NE(csv.find("\r\n\r\nminute,strokes,words\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\nKAT,1,0,\"a \"\"b\"\", c\"\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\nA,2,1,2,3,3.5,4,4.5,5\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\nA,3,1,1,0,1\r\n"), std::string::npos);
    EXPECT_EQ(csv.find('\t'), std::string::npos);
    EXPECT_TRUE(prompter.Asked().empty());
}

// A failure names the file and why, as often as the user retries; a
// cancelled dialog writes nothing.
TEST(StatisticsExportTest, FailuresAreReportedAndCanBeRetried)
{
    const test_support::CTempFolder folder;
    const std::string strPath = folder / "missing/day1_statistics.png";
    platform::ScriptedFileDialogs dialogs;
    platform::ScriptedPrompter prompter{Answer::Retry, Answer::Cancel};
    int nWrites = 0;
    const auto write = [&](base::CBufferedWriter& out) {
        ++nWrites;
        out << std::string_view("PNG");
    };
    dialogs.Script(Wide(strPath));
    EXPECT_FALSE(ExportWithDialog(dialogs, prompter, {}, write));
    ASSERT_EQ(prompter.Asked().size(), 2u);
    const std::wstring strText = prompter.Asked()[1].strText;
    EXPECT_EQ(prompter.Asked()[1].kind, PromptKind::RetryCancel);
    const std::wstring strNamed = L"Failed to save file '" + Wide(strPath) + L"': ";
    EXPECT_EQ(strText.rfind(strNamed, 0), 0u);
    EXPECT_GT(strText.size(), strNamed.size()); // and the reason
    EXPECT_EQ(nWrites, 0);

    dialogs.Script(L"");
    EXPECT_FALSE(ExportWithDialog(dialogs, prompter, {}, write));
    EXPECT_EQ(prompter.Asked().size(), 2u);
    EXPECT_EQ(folder.Names().size(), 0u);
}

} // namespace
