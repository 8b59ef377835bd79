#include "platform/ScriptedFileDialogs.h"
#include "platform/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace platform;

TEST(ScriptedPrompter, AnswersInScriptOrderAndRecordsEveryBox)
{
    ScriptedPrompter prompter{Answer::No, Answer::Cancel};
    prompter.Script(Answer::Retry);

    EXPECT_EQ(prompter.YesNo(L"Do you want to save file 'a.rtf'?"), Answer::No);
    prompter.Information(L"No occurrences found");
    EXPECT_EQ(prompter.YesNoCancel(L"before close?"), Answer::Cancel);
    EXPECT_EQ(prompter.RetryCancel(L"Failed to load file 'b.rtf'"), Answer::Retry);

    const std::vector<Prompt> expected = {
        {PromptKind::YesNo, L"Do you want to save file 'a.rtf'?"},
        {PromptKind::Information, L"No occurrences found"},
        {PromptKind::YesNoCancel, L"before close?"},
        {PromptKind::RetryCancel, L"Failed to load file 'b.rtf'"},
    };
    EXPECT_EQ(prompter.Asked(), expected);
    EXPECT_EQ(prompter.Remaining(), 0u);
}

TEST(ScriptedPrompter, AQuestionWithoutScriptedAnswerFailsTheTest)
{
    ScriptedPrompter prompter;
    prompter.Information(L"fine without an answer");
    EXPECT_THROW(prompter.YesNo(L"unexpected"), std::logic_error);
    ASSERT_EQ(prompter.Asked().size(), 2u);
    EXPECT_EQ(prompter.Asked().back().strText, L"unexpected");
}

TEST(ScriptedPrompter, AnAnswerTheBoxCannotGiveIsRejected)
{
    ScriptedPrompter yesNo{Answer::Cancel};
    EXPECT_THROW(yesNo.YesNo(L"q"), std::logic_error);

    ScriptedPrompter retry{Answer::Yes};
    EXPECT_THROW(retry.RetryCancel(L"q"), std::logic_error);

    ScriptedPrompter threeWay{Answer::Retry};
    EXPECT_THROW(threeWay.YesNoCancel(L"q"), std::logic_error);
}

TEST(ScriptedFileDialogs, ReturnsScriptedPathsAndRecordsRequests)
{
    ScriptedFileDialogs dialogs;
    dialogs.Script(L"/work/day1.rtf");
    dialogs.Script(L"");
    const FileRequest open{L"RTF/CRE (*.rtf)", L"rtf", L"/home/u/Documents", L""};
    const FileRequest save{L"RTF/CRE (*.rtf)", L"rtf", L"/work/", L"day1_copy"};

    EXPECT_EQ(dialogs.OpenFile(open), L"/work/day1.rtf");
    EXPECT_EQ(dialogs.SaveFile(save), L"");
    EXPECT_THROW(dialogs.OpenFile(open), std::logic_error);

    const std::vector<FileDialogCall> expected = {{false, open}, {true, save}, {false, open}};
    EXPECT_EQ(dialogs.Calls(), expected);
}
