#pragma once
// A Prompter that answers from a script and remembers every box it was asked to
// show, so tests can check the exact texts and their order. Running out of
// answers, or scripting an answer the box cannot give, throws: either is a
// mistake in the test or a question the code should not have asked.

#include "platform/core/Prompter.h"

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

namespace platform {

/// One box as it was asked for.
struct Prompt
{
    PromptKind kind;
    std::wstring strText;

    bool operator==(const Prompt&) const = default;
};

class ScriptedPrompter : public Prompter
{
public:
    ScriptedPrompter() = default;
    explicit ScriptedPrompter(std::initializer_list<Answer> answers);

    /// Queues the answer to the next question.
    void Script(Answer answer);

    Answer YesNo(const std::wstring& strText) override;
    Answer YesNoCancel(const std::wstring& strText) override;
    Answer RetryCancel(const std::wstring& strText) override;
    void Information(const std::wstring& strText) override;

    /// Every box shown so far, in order.
    const std::vector<Prompt>& Asked() const { return m_asked; }

private:
    Answer Next(PromptKind kind, const std::wstring& strText);

    std::deque<Answer> m_answers;
    std::vector<Prompt> m_asked;
};

} // namespace platform
