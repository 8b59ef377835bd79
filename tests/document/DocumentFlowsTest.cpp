// The conversations around the document: what is asked, in which order, and
// that no answer loses what the user wrote.
#include "DocumentFixture.h"

#include "base/LocalTime.h"
#include "steno/StenoEncoder.h"

#include <filesystem>

namespace doc::test {
namespace {

using platform::Answer;
using Texts = std::vector<std::wstring>;

const std::vector<FileStroke> kThreeStrokes = {
    {"KAT", "KAT", "9:5:7:0"}, {"STKPW", "", "10:11:12:0"}, {"-T", "-TS", "23:59:59:0"}};

class DocumentFlowsTest : public DocumentFixture
{
protected:
    /// day1.rtf in a folder of its own, loaded and changed (its first stroke deleted).
    void LoadAndChange()
    {
        std::filesystem::create_directory(m_strFolder);
        WriteBytes(m_strFile, StrokeFileText(kThreeStrokes));
        ASSERT_TRUE(m_flows.Open(Wide(m_strFile)));
        m_document.DeleteStroke(0);
    }
    /// Saving can no longer succeed: the file's folder is gone.
    void RemoveFolder() { std::filesystem::remove_all(m_strFolder); }

    const std::string m_strFolder = m_folder / "day";
    const std::string m_strFile = m_strFolder + "/day1.rtf";
    const std::string m_strOther = m_folder / "day2.rtf";
};

TEST_F(DocumentFlowsTest, DeleteAsksWithTheTwelveHourTimeAndTheLetters)
{
    m_document.AssignStrokes({MakeStroke(CStenoEncoder().StenoToKeys(L"KA-T"),
                                         base::MakeLocalTime(2024, 3, 5, 14, 5, 9)),
                              MakeStroke(steno::KeyBit(steno::kKeyNumberBar) |
                                         steno::KeyBit(steno::kKeyLeftT))});
    m_flows.Delete(); // nothing current: no question
    m_document.SetCurrentStroke(0, false);
    m_prompter.Script(Answer::No);
    m_flows.Delete();
    m_document.SetCurrentStroke(1, false);
    m_prompter.Script(Answer::Yes);
    m_flows.Delete();
    EXPECT_EQ(Prompts(), (Texts{L"Do you want to remove stroke '02:05:09 PM:  KA-T'?",
                                L"Do you want to remove stroke '12:00:00 AM:  #T'?"}));
    EXPECT_EQ(m_document.Count(), 1);
    EXPECT_EQ(DeleteQuestion(MakeStroke(steno::KeyBit(steno::kKeyLeftS), -1)),
              L"Do you want to remove stroke ':  S'?");
}

TEST_F(DocumentFlowsTest, DeleteOfARangeAsksOnceWithTheCount)
{
    m_document.AssignStrokes(GeneratedStrokes(10));
    m_document.SetCurrentStroke(2, false);
    m_document.ExtendSelection(6, false);
    m_prompter.Script(Answer::No);
    m_flows.Delete();
    m_prompter.Script(Answer::Yes);
    m_flows.Delete();
    EXPECT_EQ(Prompts(), (Texts{L"Delete 5 strokes?", L"Delete 5 strokes?"}));
    ASSERT_EQ(m_document.Count(), 5);
    EXPECT_EQ(m_document.Stroke(2).m_time, 1007);
}

// Times 1000 … 1003 s: 00:16:40 on the first day of 1970. The selection
// shifts, or every stroke without one; what cannot be done changes nothing.
TEST_F(DocumentFlowsTest, ShiftTimesMovesTheSelectionOrAllAndSaysWhyNot)
{
    m_document.AssignStrokes(GeneratedStrokes(4));
    EXPECT_TRUE(m_flows.ShiftTimes("+00:00:10", shift::ShiftKind::ByAmount));
    m_document.SetCurrentStroke(1, false);
    m_document.ExtendSelection(2, false); // stroke 2 (1012) current: to 00:20:00 is +188 s
    EXPECT_TRUE(m_flows.ShiftTimes("00:20:00", shift::ShiftKind::CurrentToTimeOfDay));
    EXPECT_FALSE(m_flows.ShiftTimes("-01:00:00", shift::ShiftKind::ByAmount));
    EXPECT_FALSE(m_flows.ShiftTimes("01:00:00", shift::ShiftKind::ByAmount));
    EXPECT_FALSE(m_flows.ShiftTimes("24:00:00", shift::ShiftKind::CurrentToTimeOfDay));
    std::vector<std::int64_t> times;
    for (const CStenoStroke& stroke : m_document.Strokes())
        times.push_back(stroke.m_time);
    EXPECT_EQ(times, (std::vector<std::int64_t>{1010, 1199, 1200, 1013}));
    EXPECT_EQ(Prompts(), (Texts{L"Shifting by -01:00:00 would move stroke 2 (00:19:59) before the "
                                L"start of its day.",
                                L"'01:00:00' is not an amount of time: type +HH:MM:SS or "
                                L"-HH:MM:SS, with .mmm for milliseconds.",
                                L"'24:00:00' is not a time of day: type HH:MM:SS."}));
}

TEST_F(DocumentFlowsTest, ExportWritesTheSelectionInTheFormatOfTheName)
{
    m_document.AssignStrokes(GeneratedStrokes(6));
    m_document.SetCurrentStroke(3, false);
    m_document.ExtendSelection(4, false);
    m_fileDialogs.Script(Wide(m_folder / "out.JSON"));
    EXPECT_TRUE(m_flows.Export());
    const std::string strJson = ReadBytes(m_folder / "out.JSON");
    EXPECT_EQ(strJson.substr(0, 12), "[\n{\"index\":3");
    EXPECT_NE(strJson.find("{\"index\":4"), std::string::npos);
    EXPECT_EQ(strJson.find("{\"index\":5"), std::string::npos);
    const std::string strGone = m_folder / "gone/out.csv";
    m_fileDialogs.Script(Wide(strGone));
    m_prompter.Script(Answer::Cancel);
    EXPECT_FALSE(m_flows.Export());
    EXPECT_EQ(Prompts().back().rfind(L"Failed to export to file '" + Wide(strGone) + L"': ", 0),
              0u);
}

// Two days and a line that is no stroke: two files, a message, the first opened.
TEST_F(DocumentFlowsTest, ImportWritesADayFileEachAndOpensTheFirst)
{
    const std::string strLog = m_folder / "strokes.log";
    WriteBytes(strLog, "2024-05-03 09:05:07,123 Stroke(KAT : ['K-', 'A-', '-T'])\n"
                       "garbage\n"
                       "2024-05-04 10:00:00,000 Stroke(TKOG : ['T-', 'K-', 'O-', '-G'])\n");
    m_fileDialogs.Script(Wide(strLog));
    m_fileDialogs.Script(Wide(m_folder / "day.rtf"));
    EXPECT_TRUE(m_flows.Import());
    const std::wstring strFirst = Wide(m_folder / "day-2024-05-03.rtf");
    EXPECT_EQ(m_document.FileName(), strFirst);
    EXPECT_EQ(m_document.Count(), 1);
    EXPECT_TRUE(std::filesystem::exists(m_folder / "day-2024-05-04.rtf"));
    ASSERT_EQ(m_prompter.Asked().size(), 1u);
    EXPECT_EQ(Prompts()[0].rfind(L"2 stroke(s) imported into 2 file(s):\n" + strFirst, 0), 0u);
    EXPECT_NE(Prompts()[0].find(L"1 line(s) skipped\nline 2: "), std::wstring::npos);
    EXPECT_EQ(m_fileDialogs.Calls()[1].request.strFileName, L"strokes");
}

TEST_F(DocumentFlowsTest, OpenWhileModifiedAsksAndNoDropsTheChanges)
{
    LoadAndChange();
    WriteBytes(m_strOther, StrokeFileText({{"PW", "PW", "1:2:3:0"}}));
    m_prompter.Script(Answer::No);
    EXPECT_TRUE(m_flows.Open(Wide(m_strOther)));
    EXPECT_EQ(Prompts(), Texts{L"Do you want to save file '" + Wide(m_strFile) + L"'?"});
    EXPECT_EQ(ReadBytes(m_strFile), StrokeFileText(kThreeStrokes));
    EXPECT_EQ(m_document.Count(), 1);
    EXPECT_EQ(m_document.FileName(), Wide(m_strOther));
    EXPECT_FALSE(m_document.IsModified());
}

// Yes, the save fails, Cancel: the other file is not opened and nothing is lost.
TEST_F(DocumentFlowsTest, OpenAfterAFailedSaveKeepsTheChangedDocument)
{
    LoadAndChange();
    RemoveFolder();
    WriteBytes(m_strOther, StrokeFileText({{"PW", "PW", "1:2:3:0"}}));
    m_prompter.Script(Answer::Yes);
    m_prompter.Script(Answer::Cancel);
    EXPECT_FALSE(m_flows.Open(Wide(m_strOther)));
    EXPECT_EQ(Prompts().back(), L"Failed to save file '" + Wide(m_strFile) + L"'");
    EXPECT_EQ(m_document.Count(), 2);
    EXPECT_EQ(m_document.FileName(), Wide(m_strFile));
    EXPECT_TRUE(m_document.IsModified());
}

TEST_F(DocumentFlowsTest, RetryReadsAgainAndCancelKeepsTheStrokesReadWithoutAFile)
{
    WriteBytes(m_strOther, StrokeFileText({{"KAT", "KAT", "9:5:7:0"}, {"PW", "PW", "9:5:8:0"},
                                           {"TK", "TK", ""}}));
    m_prompter.Script(Answer::Retry);
    m_prompter.Script(Answer::Cancel);
    EXPECT_FALSE(m_flows.Open(Wide(m_strOther)));
    const std::wstring strFailure = L"Failed to load file '" + Wide(m_strOther) + L"'";
    EXPECT_EQ(Prompts(), (Texts{strFailure, strFailure}));
    EXPECT_EQ(m_document.Count(), 2); // the second reading started from an empty document
    EXPECT_TRUE(m_document.FileName().empty());
    EXPECT_EQ(m_document.Current(), 0);
    // So a later Save cannot overwrite the unread file.
    EXPECT_FALSE(m_flows.Save());
    EXPECT_EQ(m_prompter.Asked().size(), 2u);
    EXPECT_NE(m_document.Load(Wide(m_strOther)).strReason.find("no time group"),
              std::string::npos);
}

struct CloseCase
{
    const char* strName;
    std::vector<Answer> answers;
    bool bFolderGone;
    bool bCloses;
    bool bModifiedAfter;
};

class CloseTest : public DocumentFlowsTest, public testing::WithParamInterface<CloseCase>
{
};

// Cancel, or a failed save that was cancelled, keeps the window open with the changes.
TEST_P(CloseTest, ClosesOnlyWhenNothingIsLost)
{
    LoadAndChange();
    if (GetParam().bFolderGone)
        RemoveFolder();
    for (Answer answer : GetParam().answers)
        m_prompter.Script(answer);
    EXPECT_EQ(m_flows.Close(), GetParam().bCloses);
    EXPECT_EQ(m_document.IsModified(), GetParam().bModifiedAfter);
    EXPECT_EQ(Prompts().front(), L"Do you want to save file '" + Wide(m_strFile) + L"' before close?");
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CloseTest,
    testing::Values(CloseCase{"Yes", {Answer::Yes}, false, true, false},
                    CloseCase{"No", {Answer::No}, false, true, true},
                    CloseCase{"Cancel", {Answer::Cancel}, false, false, true},
                    CloseCase{"YesFailedCancel", {Answer::Yes, Answer::Cancel}, true, false, true}),
    [](const testing::TestParamInfo<CloseCase>& info) { return info.param.strName; });

// What a failed load leaves has no file: Yes asks for one; cancelling that keeps the window.
TEST_F(DocumentFlowsTest, CloseWithoutAFileNameRunsSaveAs)
{
    m_document.AssignStrokes(GeneratedStrokes(3));
    m_document.CancelEdit();
    m_prompter.Script(Answer::Yes);
    m_fileDialogs.Script(L"");
    EXPECT_FALSE(m_flows.Close());
    m_prompter.Script(Answer::Yes);
    m_fileDialogs.Script(Wide(m_strOther));
    EXPECT_TRUE(m_flows.Close());
    EXPECT_EQ(m_document.FileName(), Wide(m_strOther));
    EXPECT_EQ(m_fileDialogs.Calls().size(), 2u);
    EXPECT_TRUE(m_fileDialogs.Calls()[0].bSave);
    EXPECT_EQ(Prompts()[0], L"Do you want to save file '' before close?");
}

// Keys A at 2 and 9 and S- elsewhere; stroke i written at 5000 + i.
class SearchFlowsTest : public DocumentFlowsTest
{
protected:
    void SetUp() override
    {
        std::vector<CStenoStroke> strokes;
        for (int i = 0; i < 12; ++i)
            strokes.push_back(MakeStroke(i == 2 || i == 9 ? kA : kS, 5000 + i));
        m_document.AssignStrokes(std::move(strokes));
    }
    static constexpr steno::KeyBits kA = steno::KeyBit(steno::kKeyA);
    static constexpr steno::KeyBits kO = steno::KeyBit(steno::kKeyO);
    static constexpr steno::KeyBits kS = steno::KeyBit(steno::kKeyLeftS);
};

TEST_F(SearchFlowsTest, FindGoesOnBehindEachHitAndStartsOverAfterNotFound)
{
    EXPECT_EQ(m_flows.Find(kA), 2);
    EXPECT_EQ(m_flows.Find(kA), 9);
    EXPECT_EQ(m_flows.Find(kA), -1);
    EXPECT_EQ(m_document.Current(), 0);
    EXPECT_EQ(m_flows.Find(kA), 2);
    EXPECT_EQ(m_flows.GotoTime(5011), 11);
    EXPECT_EQ(m_flows.Starts().nGoto, -1); // the last stroke: from the top next time
    EXPECT_EQ(Prompts(), Texts{L"No occurrences found"});
}

TEST_F(SearchFlowsTest, ReplaceFollowsTheCurrentStrokeAndReplaceAllTellsTheCount)
{
    m_document.SetCurrentStroke(5, false);
    EXPECT_EQ(m_flows.Replace(kA, kO, false), 1);
    EXPECT_EQ(m_document.Current(), 9);
    EXPECT_EQ(m_flows.Starts().nReplace, 10);
    m_document.SetCurrentStroke(0, false);
    EXPECT_EQ(m_flows.Replace(kA, kO, false), 1);
    EXPECT_EQ(m_document.Current(), 2);
    EXPECT_EQ(m_flows.Replace(kA, kO, false), 0);
    EXPECT_EQ(m_flows.Replace(kS, kA, true), 10);
    EXPECT_EQ(m_document.Current(), 0);
    EXPECT_EQ(Prompts(), (Texts{L"1 stroke(s) replaced", L"1 stroke(s) replaced",
                                L"Nothing found to replace", L"10 stroke(s) replaced"}));
}

TEST_F(SearchFlowsTest, ReplaceAtTheLastStrokeStartsOverAtTheTop)
{
    m_document.SetCurrentStroke(11, false);
    m_flows.Replace(kS, kO, false);
    EXPECT_EQ(m_document.Current(), 11);
    EXPECT_EQ(m_flows.Starts().nReplace, -1);
    // -1 with a current stroke begins at the current stroke, the replaced last one.
    m_flows.Replace(kS, kO, false);
    EXPECT_EQ(m_document.Current(), 0);
    EXPECT_EQ(m_document.Stroke(0).m_keys, kS);
    m_document.SetCurrentStroke(-1, false);
    EXPECT_EQ(m_document.ReplaceKeys(12, kS, kO, false), 0); // a start past the end
}

} // namespace
} // namespace doc::test

namespace doc::test {
namespace {

// Stops every load it runs at once, as the user's Cancel in the progress window.
class CStoppingRunner final : public IBackgroundRunner
{
public:
    void Run(const std::wstring&, bool, const std::function<void(IFileProgress&)>& work) override
    {
        class CStop final : public IFileProgress
        {
        public:
            bool Progress(double) override { return false; }
        } stop;
        work(stop);
    }
};

TEST_F(DocumentFlowsTest, AStoppedLoadLeavesTheDocumentAsItWas)
{
    LoadAndChange();
    WriteBytes(m_strOther, StrokeFileText(std::vector<FileStroke>(20000, {"PW", "PW", "1:2:3:0"})));
    CStoppingRunner runner;
    m_flows.SetRunner(runner);
    m_prompter.Script(Answer::No);
    EXPECT_FALSE(m_flows.Open(Wide(m_strOther)));
    EXPECT_EQ(m_prompter.Asked().size(), 1u); // the save question, no failure
    EXPECT_EQ(m_document.Count(), 2);
    EXPECT_EQ(m_document.FileName(), Wide(m_strFile));
    EXPECT_TRUE(m_document.IsModified());
}

} // namespace
} // namespace doc::test
