// Loading and saving of the stroke document. Both run through a background
// runner: a load reads into an array of its own, so the document stays as it
// was until the file has been read (and when the user cancels); a save reads
// the strokes while the runner holds the user's input back.
#include "document/StrokeDocument.h"

#include "base/FilePath.h"
#include "rtfcre/LoadCancelled.h"
#include "rtfcre/StrokeFileLoading.h"
#include "rtfcre/StrokeFileSaving.h"

#include <ctime>

namespace doc {
namespace {

std::wstring Quoted(const std::wstring& strText)
{
    return L"'" + strText + L"'";
}

} // namespace

FileOutcome CStrokeDocument::Load(const std::wstring& strPath)
{
    CInPlaceRunner runner;
    return Load(strPath, runner);
}

FileOutcome CStrokeDocument::Save(const std::wstring& strPath)
{
    CInPlaceRunner runner;
    return Save(strPath, runner);
}

FileOutcome CStrokeDocument::Load(const std::wstring& strPath, IBackgroundRunner& runner)
{
    StrokeFileHeader header;
    std::vector<CStenoStroke> strokes;
    FileOutcome outcome;
    // A file without its header lines or that cannot be opened fails here, so the
    // document never belongs to a file whose strokes it did not read.
    runner.Run(L"Loading " + Quoted(strPath), true, [&](IFileProgress& progress) {
        outcome = AttemptFileWork(
            [&] { LoadStrokeFile(base::PathFromWide(strPath), header, strokes, &progress); });
    });
    if (outcome.bCancelled)
        return outcome;
    const int nOld = Count();
    m_strokes = std::move(strokes);
    m_header = std::move(header);
    m_nCurrent = -1;
    SetSelection({});
    m_history.Clear();
    SetModified(false);
    SetFileName(outcome.bDone ? strPath : std::wstring());
    Tell<const StrokesChange&>(&IDocumentObserver::OnStrokesChanged, {0, nOld, Count(), true});
    SetCurrentStroke(0, true);
    return outcome;
}

FileOutcome CStrokeDocument::Save(const std::wstring& strPath, IBackgroundRunner& runner)
{
    FileOutcome outcome;
    runner.Run(L"Saving " + Quoted(strPath), false, [&](IFileProgress& progress) {
        outcome = AttemptFileWork([&] {
            SaveStrokeFile(base::PathFromWide(strPath), m_strokes, std::time(nullptr), &progress);
        });
    });
    if (!outcome.bDone)
        return outcome;
    m_history.MarkSaved();
    SetModified(false);
    if (strPath != m_strFileName)
        SetFileName(strPath);
    return outcome;
}

} // namespace doc
