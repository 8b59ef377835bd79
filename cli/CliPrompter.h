#pragma once
// The answers of quillmark-cli, which never waits for a user: questions are
// answered No (Cancel where there is one), a failure is never retried and is
// kept for the command to report with its reason, and information goes to the
// stream the command chose.

#include "platform/core/Prompter.h"

#include <cstdio>
#include <string>

class CCliPrompter : public platform::Prompter
{
public:
    explicit CCliPrompter(std::FILE* pInformation) : m_pInformation(pInformation) {}

    platform::Answer YesNo(const std::wstring& strText) override;
    platform::Answer YesNoCancel(const std::wstring& strText) override;
    platform::Answer RetryCancel(const std::wstring& strText) override;
    void Information(const std::wstring& strText) override;

    /// The last failure reported, as 8-bit text; empty when none was.
    const std::string& Failure() const { return m_strFailure; }
    /// How many information messages were shown.
    int InformationCount() const { return m_nInformation; }

private:
    std::FILE* m_pInformation;
    std::string m_strFailure;
    int m_nInformation = 0;
};
