#include "StrokeFileFixture.h"

#include "steno/StenoEncoder.h"

#include <filesystem>

namespace strokelist::test {
namespace {

using platform::Answer;
using test_support::WriteBytes;

const std::vector<FileStroke> kThreeStrokes = {
    {"KAT", "KAT", "9:5:7:0"}, {"STKPW", "", "10:11:12:0"}, {"-T", "-TS", "23:59:59:0"}};

class StrokeDocumentFilesTest : public StrokeFileFixture
{
protected:
    void SetUp() override { WriteBytes(m_strFile, StrokeFileText(kThreeStrokes)); }

    /// Loads the file, changes it (a pasted copy of its first stroke) and opens another.
    void LoadOtherWhileModified(Answer answer)
    {
        ASSERT_TRUE(m_document.LoadFile(Wide(m_strFile), m_prompter));
        m_document.CopyStroke();
        m_document.PasteStroke();
        WriteBytes(m_strOther, StrokeFileText({{"PW", "PW", "1:2:3:0"}}));
        m_prompter.Script(answer);
        EXPECT_TRUE(m_document.LoadFile(Wide(m_strOther), m_prompter));
        EXPECT_EQ(m_document.Count(), 1);
        EXPECT_FALSE(m_document.IsModified());
    }

    const std::string m_strFile = m_folder / "day1.rtf";
    const std::string m_strOther = m_folder / "day2.rtf";
};

TEST_F(StrokeDocumentFilesTest, LoadReadsEveryStrokeAndMakesTheFirstCurrent)
{
    EXPECT_TRUE(m_document.LoadFile(Wide(m_strFile), m_prompter));
    EXPECT_EQ(m_view.m_nLayouts, 1);
    EXPECT_EQ(m_mainWindow.m_notice, std::pair(0, 3));
    // How each record is built from the texts is the loading test's matter.
    EXPECT_EQ(m_document.Count(), 3);
    EXPECT_EQ(m_document.FileName(), Wide(m_strFile));
    EXPECT_FALSE(m_document.IsModified());
    EXPECT_TRUE(m_prompter.Asked().empty());
}

TEST_F(StrokeDocumentFilesTest, LoadWhileModifiedAndNoDiscardsTheChanges)
{
    LoadOtherWhileModified(Answer::No);
    EXPECT_EQ(Prompts(),
              std::vector<std::wstring>{L"Do you want to save file '" + Wide(m_strFile) + L"'?"});
    EXPECT_EQ(ReadBytes(m_strFile), StrokeFileText(kThreeStrokes));
    EXPECT_EQ(m_document.ClipStroke().m_keys, CStenoEncoder().StenoToKeys(L"KAT")); // kept
}

TEST_F(StrokeDocumentFilesTest, LoadWhileModifiedAndYesSavesFirst)
{
    LoadOtherWhileModified(Answer::Yes);
    ASSERT_TRUE(m_document.LoadFile(Wide(m_strFile), m_prompter)); // not modified: no question
    EXPECT_EQ(m_document.Count(), 4);
    EXPECT_EQ(m_prompter.Asked().size(), 1u);
}

TEST_F(StrokeDocumentFilesTest, RetryReadsAgainAndCancelKeepsTheStrokesRead)
{
    WriteBytes(
        m_strFile,
        StrokeFileText({{"KAT", "KAT", "9:5:7:0"}, {"PW", "PW", "9:5:8:0"}, {"TK", "TK", ""}}));
    m_prompter.Script(Answer::Retry);
    m_prompter.Script(Answer::Cancel);
    EXPECT_FALSE(m_document.LoadFile(Wide(m_strFile), m_prompter));
    const std::wstring strFailure = L"Failed to load file '" + Wide(m_strFile) + L"'";
    EXPECT_EQ(Prompts(), (std::vector<std::wstring>{strFailure, strFailure}));
    EXPECT_EQ(m_document.Count(), 2); // the second reading started from an empty document
    EXPECT_TRUE(m_document.FileName().empty());
    EXPECT_FALSE(m_document.IsModified());
    EXPECT_EQ(m_mainWindow.m_notice, std::pair(0, 2));
    EXPECT_NE(m_document.LastFailure().find("no time group"), std::string::npos);
}

TEST_F(StrokeDocumentFilesTest, UnreadableFilesAreFailuresAndBelongToNobody)
{
    const std::string strNoHeader = m_folder / "noheader.rtf";
    WriteBytes(strNoHeader, "{\\rtf1\\pc\n{\\*\\cxs KAT}\n{\\*\\cxt 1:2:3:0}\n}\r\n");
    for (const std::string& strPath :
         {m_folder / "missing.rtf", strNoHeader, m_folder.Path().string()}) {
        m_prompter.Script(Answer::Cancel);
        EXPECT_FALSE(m_document.LoadFile(Wide(strPath), m_prompter)) << strPath;
        EXPECT_EQ(Prompts().back(), L"Failed to load file '" + Wide(strPath) + L"'");
        EXPECT_TRUE(m_document.FileName().empty());
        EXPECT_EQ(m_document.Count(), 0);
    }
    // So a later Save cannot overwrite the unread file.
    EXPECT_FALSE(m_document.SaveFile(L"", m_prompter));
    EXPECT_EQ(m_prompter.Asked().size(), 3u);
    EXPECT_EQ(ReadBytes(strNoHeader), "{\\rtf1\\pc\n{\\*\\cxs KAT}\n{\\*\\cxt 1:2:3:0}\n}\r\n");
}

// The user is told, creates the missing folder and chooses Retry.
class CFolderMakingPrompter : public platform::ScriptedPrompter
{
public:
    explicit CFolderMakingPrompter(std::string strFolder) : m_strFolder(std::move(strFolder)) {}
    platform::Answer RetryCancel(const std::wstring& strText) override
    {
        std::filesystem::create_directory(m_strFolder);
        return ScriptedPrompter::RetryCancel(strText);
    }

private:
    std::string m_strFolder;
};

TEST_F(StrokeDocumentFilesTest, RetryAfterTheProblemWasFixedSaves)
{
    const std::string strTarget = m_folder / "later/day1.rtf";
    CFolderMakingPrompter prompter(m_folder / "later");
    prompter.Script(Answer::Retry);
    m_document.AssignStrokes(GeneratedStrokes(3));
    m_document.SetModified(true);
    EXPECT_TRUE(m_document.SaveFile(Wide(strTarget), prompter));
    ASSERT_EQ(prompter.Asked().size(), 1u);
    EXPECT_EQ(prompter.Asked()[0].strText, L"Failed to save file '" + Wide(strTarget) + L"'");
    EXPECT_FALSE(m_document.IsModified());
    EXPECT_TRUE(std::filesystem::exists(strTarget));
}

} // namespace
} // namespace strokelist::test
