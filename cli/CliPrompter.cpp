#include "cli/CliPrompter.h"

#include "base/FilePath.h"

namespace {

// Messages carry file names: write them in the file names' own encoding.
std::string ToOutput(const std::wstring& strText)
{
    return base::PathFromWide(strText).native();
}

} // namespace

platform::Answer CCliPrompter::YesNo(const std::wstring&)
{
    return platform::Answer::No;
}

platform::Answer CCliPrompter::YesNoCancel(const std::wstring&)
{
    return platform::Answer::Cancel;
}

platform::Answer CCliPrompter::RetryCancel(const std::wstring& strText)
{
    m_strFailure = ToOutput(strText);
    return platform::Answer::Cancel;
}

void CCliPrompter::Information(const std::wstring& strText)
{
    ++m_nInformation;
    std::fprintf(m_pInformation, "%s\n", ToOutput(strText).c_str());
    std::fflush(m_pInformation);
}
