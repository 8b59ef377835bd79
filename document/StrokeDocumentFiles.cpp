// Loading and saving of the stroke document.
#include "document/StrokeDocument.h"

#include "base/FilePath.h"
#include "rtfcre/StrokeFileLoading.h"
#include "rtfcre/StrokeFileSaving.h"

#include <ctime>

namespace doc {

FileOutcome CStrokeDocument::Load(const std::wstring& strPath)
{
    const int nOld = Count();
    // Free the storage too: the next file may be much smaller.
    std::vector<CStenoStroke>().swap(m_strokes);
    m_nCurrent = -1;
    SetSelection({});
    m_history.Clear();
    m_header = StrokeFileHeader{};
    // A file without its header lines or that cannot be opened fails here, so the
    // document never belongs to a file whose strokes it did not read.
    const FileOutcome outcome =
        AttemptFileWork([&] { LoadStrokeFile(base::PathFromWide(strPath), m_header, m_strokes); });
    SetModified(false);
    SetFileName(outcome.bDone ? strPath : std::wstring());
    Tell<const StrokesChange&>(&IDocumentObserver::OnStrokesChanged, {0, nOld, Count(), true});
    SetCurrentStroke(0, true);
    return outcome;
}

FileOutcome CStrokeDocument::Save(const std::wstring& strPath)
{
    FileOutcome outcome = AttemptFileWork(
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
