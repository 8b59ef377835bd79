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
#include <exception>
#include <new>

namespace doc {
namespace {

// Runs one attempt at a load or a save; every failure, whatever raised it, is
// caught and its reason kept for the user who asks.
template <typename Action> FileOutcome Attempt(Action action)
{
    try {
        action();
        return {true, {}};
    } catch (const CLoadCancelled&) {
        return {false, {}, true};
    } catch (const std::bad_alloc&) {
        return {false, "not enough memory"};
    } catch (const std::exception& error) {
        return {false, error.what()};
    } catch (...) {
        return {false, "unknown failure"};
    }
}

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
        outcome = Attempt(
            [&] { LoadStrokeFile(base::PathFromWide(strPath), header, strokes, &progress); });
    });
    if (outcome.bCancelled)
        return outcome;
    const int nOld = Count();
    m_strokes = std::move(strokes);
    m_header = std::move(header);
    m_nCurrent = -1;
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
        outcome = Attempt([&] {
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
