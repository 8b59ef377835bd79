#include "tests/support/ScriptedPrompter.h"

#include <stdexcept>

namespace platform {
namespace {

bool CanAnswer(PromptKind kind, Answer answer)
{
    switch (kind) {
    case PromptKind::YesNo:
        return answer == Answer::Yes || answer == Answer::No;
    case PromptKind::YesNoCancel:
        return answer != Answer::Retry;
    case PromptKind::RetryCancel:
        return answer == Answer::Retry || answer == Answer::Cancel;
    case PromptKind::Information:
        return false;
    }
    return false;
}

std::string Narrow(const std::wstring& strText)
{
    std::string strOut;
    for (wchar_t ch : strText)
        strOut += ch < 0x80 ? static_cast<char>(ch) : '?';
    return strOut;
}

} // namespace

ScriptedPrompter::ScriptedPrompter(std::initializer_list<Answer> answers) : m_answers(answers) {}

void ScriptedPrompter::Script(Answer answer)
{
    m_answers.push_back(answer);
}

Answer ScriptedPrompter::YesNo(const std::wstring& strText)
{
    return Next(PromptKind::YesNo, strText);
}

Answer ScriptedPrompter::YesNoCancel(const std::wstring& strText)
{
    return Next(PromptKind::YesNoCancel, strText);
}

Answer ScriptedPrompter::RetryCancel(const std::wstring& strText)
{
    return Next(PromptKind::RetryCancel, strText);
}

void ScriptedPrompter::Information(const std::wstring& strText)
{
    m_asked.push_back({PromptKind::Information, strText});
}

Answer ScriptedPrompter::Next(PromptKind kind, const std::wstring& strText)
{
    m_asked.push_back({kind, strText});
    if (m_answers.empty())
        throw std::logic_error("no scripted answer left for: " + Narrow(strText));
    const Answer answer = m_answers.front();
    if (!CanAnswer(kind, answer))
        throw std::logic_error("scripted answer does not fit the box: " + Narrow(strText));
    m_answers.pop_front();
    return answer;
}

} // namespace platform
