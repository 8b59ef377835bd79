// The export and import conversations of the document's flows.
#include "document/DocumentFlows.h"

#include "base/FilePath.h"
#include "document/FileAttempt.h"
#include "document/FileRequests.h"
#include "document/StrokeDocument.h"
#include "exchange/DayFiles.h"
#include "exchange/ExportFile.h"
#include "platform/core/FileDialogs.h"
#include "platform/core/Prompter.h"
#include "rtfcre/StrokeFileSaving.h"

#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>

namespace doc {
namespace {

/// A skipped line or two tell what went wrong; a long list would bury the message.
constexpr std::size_t kSkippedLinesShown = 10;

/// The reasons of failures are UTF-8 text that may name files.
std::wstring WideReason(const std::string& strReason)
{
    return base::WideFromPath(std::filesystem::path(strReason));
}

std::wstring FailureText(const wchar_t* pszWhat, const std::wstring& strPath,
                         const std::string& strReason)
{
    return std::wstring(L"Failed to ") + pszWhat + L" file '" + strPath + L"': " +
           WideReason(strReason);
}

std::wstring SkippedText(const std::vector<exchange::SkippedLine>& skipped)
{
    std::wstring strText = std::to_wstring(skipped.size()) + L" line(s) skipped";
    for (std::size_t i = 0; i < skipped.size() && i < kSkippedLinesShown; ++i)
        strText += L"\nline " + std::to_wstring(skipped[i].nLine) + L": " +
                   WideReason(skipped[i].strReason);
    if (skipped.size() > kSkippedLinesShown)
        strText += L"\n…";
    return strText;
}

std::wstring ImportedText(std::size_t nStrokes, const std::vector<std::wstring>& files,
                          const std::vector<exchange::SkippedLine>& skipped)
{
    std::wstring strText = std::to_wstring(nStrokes) + L" stroke(s) imported into " +
                           std::to_wstring(files.size()) + L" file(s):";
    for (const std::wstring& strFile : files)
        strText += L"\n" + strFile;
    return skipped.empty() ? strText : strText + L"\n" + SkippedText(skipped);
}

} // namespace

bool CDocumentFlows::Export()
{
    const StrokeRange range = m_document.SelectionOrAll();
    if (range.IsEmpty())
        return false;
    const std::wstring strPath =
        m_fileDialogs.SaveFile(ExportRequest(m_document.FileName(), m_strDocumentsFolder));
    if (strPath.empty())
        return false;
    const std::filesystem::path path = base::PathFromWide(strPath);
    const auto strokes = std::span(m_document.Strokes()).subspan(range.nFirst, range.Count());
    const auto nFirst = static_cast<std::size_t>(range.nFirst);
    return RetryFileWork(
        m_prompter,
        [&] {
            return AttemptFileWork([&] {
                exchange::ExportStrokeFile(path, exchange::ExportFormatOfPath(path), strokes,
                                           nFirst);
            });
        },
        [&](const std::string& strReason) {
            return FailureText(L"export to", strPath, strReason);
        });
}

std::optional<exchange::ImportedStrokes> CDocumentFlows::ReadImport(const std::wstring& strSource)
{
    const std::filesystem::path path = base::PathFromWide(strSource);
    const std::optional<exchange::ImportFormat> format = exchange::ImportFormatOf(path);
    std::optional<exchange::ImportedStrokes> imported;
    const FileOutcome outcome = AttemptFileWork([&] {
        if (!format)
            throw std::invalid_argument("not a .log, .tape or .txt file");
        imported = exchange::ImportStrokes(path, *format, exchange::StartOfToday());
    });
    if (!outcome.bDone)
        m_prompter.Information(FailureText(L"import", strSource, outcome.strReason));
    else if (imported->strokes.empty())
        m_prompter.Information(L"No strokes found in file '" + strSource + L"'.\n" +
                               SkippedText(imported->skipped));
    else
        return imported;
    return std::nullopt;
}

// Every file written so far, in order; empty once the user gave up on one.
std::vector<std::wstring> CDocumentFlows::WriteImport(const std::wstring& strOut,
                                                      std::vector<CStenoStroke> strokes)
{
    std::vector<std::wstring> written;
    for (const exchange::DayFile& file :
         exchange::PlanDayFiles(base::PathFromWide(strOut).native(), std::move(strokes))) {
        const std::wstring strPath = base::WideFromPath(file.strPath);
        if (!RetryFileWork(
                m_prompter,
                [&] {
                    return AttemptFileWork(
                        [&] { SaveStrokeFile(file.strPath, file.strokes, file.creationTime); });
                },
                [&](const std::string& strReason) {
                    return FailureText(L"save", strPath, strReason);
                }))
            return {};
        written.push_back(strPath);
    }
    return written;
}

bool CDocumentFlows::Import()
{
    const std::wstring strSource =
        m_fileDialogs.OpenFile(ImportSourceRequest(m_strDocumentsFolder));
    if (strSource.empty())
        return false;
    std::optional<exchange::ImportedStrokes> imported = ReadImport(strSource);
    if (!imported)
        return false;
    const std::wstring strOut =
        m_fileDialogs.SaveFile(ImportTargetRequest(strSource, m_strDocumentsFolder));
    if (strOut.empty())
        return false;
    const std::size_t nStrokes = imported->strokes.size();
    const std::vector<std::wstring> written = WriteImport(strOut, std::move(imported->strokes));
    if (written.empty())
        return false;
    m_prompter.Information(ImportedText(nStrokes, written, imported->skipped));
    return Open(written.front());
}

} // namespace doc
