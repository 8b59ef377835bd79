#include "document/FileRequests.h"

#include "base/FilePath.h"
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

namespace {

/// The name without its folder and its last extension.
std::wstring StemOf(std::wstring_view fileName)
{
    return base::WideFromPath(base::PathFromWide(fileName).stem());
}

} // namespace

platform::FileRequest ExportRequest(std::wstring_view fileName, std::wstring_view documentsFolder)
{
    return {std::wstring(kExportFilter), L"csv",
            ProposeSaveAs(fileName, DefaultFolder(documentsFolder)).strFolder, StemOf(fileName)};
}

platform::FileRequest ImportSourceRequest(std::wstring_view documentsFolder)
{
    return {std::wstring(kImportFilter), {}, std::wstring(documentsFolder), {}};
}

platform::FileRequest ImportTargetRequest(std::wstring_view sourceName,
                                          std::wstring_view documentsFolder)
{
    return {std::wstring(kStrokeFileFilter), std::wstring(kStrokeFileExt),
            DefaultFolder(documentsFolder), StemOf(sourceName)};
}

} // namespace doc
