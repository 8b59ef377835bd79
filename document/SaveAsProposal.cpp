#include "document/SaveAsProposal.h"

#include "base/FilePath.h"


namespace doc {

SaveAsProposal ProposeSaveAs(std::wstring_view path, std::wstring_view defaultFolder)
{
    SaveAsProposal proposal{std::wstring(defaultFolder), {}};
    if (path.empty())
        return proposal;
    const auto slash = path.rfind(base::kPathSeparator);
    const long p = slash == std::wstring_view::npos ? -1 : static_cast<long>(slash);
    if (p >= 0)
        proposal.strFolder = path.substr(0, static_cast<std::size_t>(p) + 1);
    const auto dot = path.rfind(L'.');
    if (dot == std::wstring_view::npos)
        return proposal;
    // A dot only in the folder part leaves just the suffix.
    const long count = static_cast<long>(dot) - p - 1;
    if (count > 0)
        proposal.strName =
            path.substr(static_cast<std::size_t>(p + 1), static_cast<std::size_t>(count));
    proposal.strName += L"_copy";
    return proposal;
}

} // namespace doc
