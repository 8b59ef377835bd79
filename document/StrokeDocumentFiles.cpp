// Loading and saving of the stroke document.
#include "document/StrokeDocument.h"

#include "base/FilePath.h"
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
    } catch (const std::bad_alloc&) {
        return {false, "not enough memory"};
    } catch (const std::exception& error) {
        return {false, error.what()};
    } catch (...) {
        return {false, "unknown failure"};
    }
}

} // namespace

FileOutcome CStrokeDocument::Load(const std::wstring& strPath)
{
    const int nOld = Count();
    // Free the storage too: the next file may be much smaller.
    std::vector<CStenoStroke>().swap(m_strokes);
    m_nCurrent = -1;
    m_history.Clear();
    m_header = StrokeFileHeader{};
    // A file without its header lines or that cannot be opened fails here, so the
    // document never belongs to a file whose strokes it did not read.
    const FileOutcome outcome =
        Attempt([&] { LoadStrokeFile(base::PathFromWide(strPath), m_header, m_strokes); });
    SetModified(false);
    SetFileName(outcome.bDone ? strPath : std::wstring());
    Tell<const StrokesChange&>(&IDocumentObserver::OnStrokesChanged, {0, nOld, Count(), true});
    SetCurrentStroke(0, true);
    return outcome;
}

FileOutcome CStrokeDocument::Save(const std::wstring& strPath)
{
    FileOutcome outcome = Attempt(
        [&] { SaveStrokeFile(base::PathFromWide(strPath), m_strokes, std::time(nullptr)); });
    if (!outcome.bDone)
        return outcome;
    m_history.MarkSaved();
    SetModified(false);
    if (strPath != m_strFileName)
        SetFileName(strPath);
    return outcome;
}

} // namespace doc
