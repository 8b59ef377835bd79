#include "statistics/StatisticsExport.h"

#include "base/BufferedWriter.h"
#include "base/FilePath.h"
#include "base/SafeFileReplacement.h"
#include "platform/core/Prompter.h"

#include <exception>
#include <new>
#include <system_error>

namespace statistics {

namespace {

struct KindFile
{
    const wchar_t* pszFilter;
    const wchar_t* pszExt;
};

KindFile FileOf(ExportKind kind)
{
    return kind == ExportKind::Picture ? KindFile{L"PNG image (*.png)", L"png"}
                                       : KindFile{L"CSV (*.csv)", L"csv"};
}

void WriteReplacing(const std::wstring& strPath,
                    const std::function<void(base::CBufferedWriter& out)>& write)
{
    base::CSafeFileReplacement replacement(base::PathFromWide(strPath).native());
    base::CBufferedWriter out(replacement.TempFile(), true);
    write(out);
    if (!out.Flush())
        throw std::system_error(out.Error(), std::generic_category(), "cannot write the file");
    replacement.Commit();
}

std::wstring Wide(const std::string& str)
{
    return base::WideFromPath(std::filesystem::path(str));
}

} // namespace

platform::FileRequest ExportRequest(ExportKind kind, std::wstring_view documentPath,
                                    std::wstring_view defaultFolder)
{
    const KindFile file = FileOf(kind);
    platform::FileRequest request{file.pszFilter, file.pszExt, std::wstring(defaultFolder), {}};
    if (documentPath.empty())
        return request;
    const std::filesystem::path path = base::PathFromWide(documentPath);
    request.strFolder = base::WideFromPath(path.parent_path());
    request.strFileName = base::WideFromPath(path.stem()) + L"_statistics";
    return request;
}

std::string WriteExportFile(const std::wstring& strPath,
                            const std::function<void(base::CBufferedWriter& out)>& write)
{
    try {
        WriteReplacing(strPath, write);
        return {};
    } catch (const std::bad_alloc&) {
        return "not enough memory";
    } catch (const std::exception& error) {
        return error.what();
    }
}

bool ExportWithDialog(platform::FileDialogs& fileDialogs, platform::Prompter& prompter,
                      const platform::FileRequest& request,
                      const std::function<void(base::CBufferedWriter& out)>& write)
{
    const std::wstring strPath = fileDialogs.SaveFile(request);
    if (strPath.empty())
        return false;
    for (;;) {
        const std::string strReason = WriteExportFile(strPath, write);
        if (strReason.empty())
            return true;
        if (prompter.RetryCancel(L"Failed to save file '" + strPath + L"': " + Wide(strReason)) !=
            platform::Answer::Retry)
            return false;
    }
}

} // namespace statistics
