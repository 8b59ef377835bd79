#include "document/FileRequests.h"

#include "document/SaveAsProposal.h"

namespace doc {

std::wstring DefaultFolder(std::wstring_view documentsFolder)
{
    return std::wstring(documentsFolder) + std::wstring(kBackupSubfolder);
}

platform::FileRequest OpenRequest(std::wstring_view documentsFolder)
{
    return {std::wstring(kStrokeFileFilter),
            std::wstring(kStrokeFileExt),
            DefaultFolder(documentsFolder),
            {}};
}

platform::FileRequest SaveAsRequest(std::wstring_view fileName, std::wstring_view documentsFolder)
{
    SaveAsProposal proposal = ProposeSaveAs(fileName, DefaultFolder(documentsFolder));
    return {std::wstring(kStrokeFileFilter), std::wstring(kStrokeFileExt),
            std::move(proposal.strFolder), std::move(proposal.strName)};
}

} // namespace doc
