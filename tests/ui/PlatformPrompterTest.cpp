#include "platform/QtFileDialogs.h"
#include "platform/QtPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using platform::Answer;

namespace {

/// What the box looked like when it came up.
struct SeenBox
{
    QString strTitle;
    QString strText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

/// Answers the next message box with the given button, noting what it showed.
void AnswerNextBox(SeenBox& seen, QMessageBox::StandardButton answer)
{
    QTimer::singleShot(0, [&seen, answer] {
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (pBox == nullptr) {
            AnswerNextBox(seen, answer);
            return;
        }
        seen = {pBox->windowTitle(), pBox->text(), pBox->icon(), pBox->standardButtons(),
                pBox->standardButton(pBox->defaultButton())};
        pBox->button(answer)->click();
    });
}

} // namespace

TEST(PlatformPrompter, YesNoAsksAQuestionWithYesAsDefault)
{
    QtPrompter prompter;
    SeenBox seen;
    AnswerNextBox(seen, QMessageBox::No);
    EXPECT_EQ(prompter.YesNo(L"Do you want to save file 'a.rtf'?"), Answer::No);
    EXPECT_EQ(seen.strTitle, QStringLiteral("Quillmark"));
    EXPECT_EQ(seen.strText, QStringLiteral("Do you want to save file 'a.rtf'?"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(seen.defaultButton, QMessageBox::Yes);
}

TEST(PlatformPrompter, YesNoCancelGivesAllThreeAnswers)
{
    QtPrompter prompter;
    SeenBox seen;
    for (const auto& [button, answer] :
         {std::pair{QMessageBox::Yes, Answer::Yes}, std::pair{QMessageBox::No, Answer::No},
          std::pair{QMessageBox::Cancel, Answer::Cancel}}) {
        AnswerNextBox(seen, button);
        EXPECT_EQ(prompter.YesNoCancel(L"before close?"), answer);
    }
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(seen.defaultButton, QMessageBox::Yes);
}

TEST(PlatformPrompter, RetryCancelWarnsWithRetryAsDefault)
{
    QtPrompter prompter;
    SeenBox seen;
    AnswerNextBox(seen, QMessageBox::Retry);
    EXPECT_EQ(prompter.RetryCancel(L"Failed to load file 'b.rtf'"), Answer::Retry);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QMessageBox::Retry | QMessageBox::Cancel);
    EXPECT_EQ(seen.defaultButton, QMessageBox::Retry);
}

TEST(PlatformPrompter, InformationHasOnlyOk)
{
    QtPrompter prompter;
    SeenBox seen;
    AnswerNextBox(seen, QMessageBox::Ok);
    prompter.Information(L"3 stroke(s) replaced");
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    EXPECT_EQ(seen.strText, QStringLiteral("3 stroke(s) replaced"));
}

TEST(PlatformFileDialogs, RequestSetsFilterSuffixFolderAndName)
{
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QtFileDialogs::Prepare(dialog, {L"RTF/CRE (*.rtf)", L"rtf", L"/tmp", L"day1_copy"}, true);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::AnyFile);
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("RTF/CRE (*.rtf)")});
    EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("rtf"));
    EXPECT_EQ(dialog.directory().absolutePath(), QStringLiteral("/tmp"));

    QFileDialog open;
    QtFileDialogs::Prepare(open, {L"RTF/CRE (*.rtf)", L"rtf", L"/tmp", L""}, false);
    EXPECT_EQ(open.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
}
