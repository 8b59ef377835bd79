#include "platform/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using platform::Answer;
using platform::Prompter;

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

TEST(PlatformPrompter, EachKindShowsItsIconButtonsAndDefault)
{
    using Box = QMessageBox;
    struct Case
    {
        std::function<Answer(Prompter&)> ask;
        Box::Icon icon;
        Box::StandardButtons buttons;
        Box::StandardButton defaultButton;
        Box::StandardButton click;
        Answer answer;
    };
    const Case cases[] = {
        {[](Prompter& p) { return p.YesNo(L"Save 'a.rtf'?"); }, Box::Question, Box::Yes | Box::No,
         Box::Yes, Box::No, Answer::No},
        {[](Prompter& p) { return p.YesNoCancel(L"Save 'a.rtf'?"); }, Box::Question,
         Box::Yes | Box::No | Box::Cancel, Box::Yes, Box::Cancel, Answer::Cancel},
        {[](Prompter& p) { return p.RetryCancel(L"Save 'a.rtf'?"); }, Box::Critical,
         Box::Retry | Box::Cancel, Box::Retry, Box::Retry, Answer::Retry},
        {[](Prompter& p) {
             p.Information(L"Save 'a.rtf'?");
             return Answer::Yes;
         },
         Box::Information, Box::Ok, Box::NoButton, Box::Ok, Answer::Yes},
    };
    QtPrompter prompter;
    for (const Case& c : cases) {
        SeenBox seen;
        AnswerNextBox(seen, c.click);
        EXPECT_EQ(c.ask(prompter), c.answer);
        EXPECT_EQ(seen.strTitle, QStringLiteral("Quillmark"));
        EXPECT_EQ(seen.strText, QStringLiteral("Save 'a.rtf'?"));
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.buttons, c.buttons);
        if (c.defaultButton != Box::NoButton) {
            EXPECT_EQ(seen.defaultButton, c.defaultButton);
        }
    }
}
