#pragma once
// The questions and messages the program puts to the user. Core flows (load,
// save, close, search) ask through this interface so that they run the same under
// the Qt message boxes, the command-line tool and the scripted answers of the tests.

#include <string>

namespace platform {

/// The button the user chose.
enum class Answer { Yes, No, Cancel, Retry };

/// Which kind of box was shown; the buttons follow from it.
enum class PromptKind { YesNo, YesNoCancel, RetryCancel, Information };

class Prompter
{
public:
    virtual ~Prompter() = default;

    /// A question with Yes and No; Yes is the default button.
    virtual Answer YesNo(const std::wstring& strText) = 0;
    /// A question with Yes, No and Cancel; Yes is the default button.
    virtual Answer YesNoCancel(const std::wstring& strText) = 0;
    /// A failure report with Retry and Cancel; Retry is the default button.
    virtual Answer RetryCancel(const std::wstring& strText) = 0;
    /// A message with an information icon and OK.
    virtual void Information(const std::wstring& strText) = 0;
};

} // namespace platform
