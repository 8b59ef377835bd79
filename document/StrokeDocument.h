#pragma once
// The open document: the strokes in file order, the current stroke, the
// modified flag, the file it belongs to, a one-stroke clipboard and the undo
// history. It knows no window: it tells its observers what changed and answers
// with plain results. Questions to the user are the flows' (DocumentFlows.h).

#include "document/BackgroundRunner.h"
#include "document/DocumentObserver.h"
#include "document/EditHistory.h"
#include "rtfcre/StrokeFileLoading.h"
#include "steno/StenoStroke.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace doc {

/// How a load or a save ended; the reason is for the user who asks.
struct FileOutcome
{
    bool bDone = false;
    std::string strReason;
    bool bCancelled = false; ///< a load the user stopped: the document is as it was
};

class CStrokeDocument
{
public:
    CStrokeDocument() = default;
    CStrokeDocument(const CStrokeDocument&) = delete;
    CStrokeDocument& operator=(const CStrokeDocument&) = delete;

    /// Observers are told in the order they were added; each must outlive the
    /// document or remove itself first.
    void AddObserver(IDocumentObserver& observer);
    void RemoveObserver(IDocumentObserver& observer);

    int Count() const { return static_cast<int>(m_strokes.size()); }
    int Current() const { return m_nCurrent; }
    const CStenoStroke& Stroke(int nIndex) const { return m_strokes[nIndex]; }
    const std::vector<CStenoStroke>& Strokes() const { return m_strokes; }
    bool IsModified() const { return m_bModified; }
    const std::wstring& FileName() const { return m_strFileName; }
    const CStenoStroke& ClipStroke() const { return m_clipStroke; }
    /// What the header of the last file read said (its creation date above all).
    const StrokeFileHeader& Header() const { return m_header; }

    /// Puts strokes in place without a file (generated documents), unmodified;
    /// none is current.
    void AssignStrokes(std::vector<CStenoStroke> strokes);

    /// Makes stroke nIndex current (-1 when out of range) and returns it.
    int SetCurrentStroke(int nIndex, bool bBringIntoView);
    void CopyStroke();
    /// Inserts the clipboard's stroke at the current stroke (at the end without one).
    void PasteStroke();
    /// Removes the stroke; the one before it becomes current.
    void DeleteStroke(int nIndex);
    /// The stroke editor's Enter: the stroke the edit began on takes its time and keys.
    void CommitEdit(int nIndex, std::int64_t time, steno::KeyBits keys);
    /// The stroke editor's Esc. The user may have meant a change, so the
    /// document counts as modified; nothing changed, so there is nothing to undo.
    void CancelEdit();

    /// Takes the last change back and makes the stroke it touched current.
    void Undo();
    void Redo();

    /// First stroke at or after nStart with these keys, or -1.
    int FindStrokeByKeys(int nStart, steno::KeyBits keys) const;
    /// First stroke at or after nStart written at this time (to the second), or -1.
    int FindStrokeByTime(int nStart, std::int64_t time) const;
    /// Gives put's keys to the next (or, with bAll, every) stroke with find's keys,
    /// searching from nStart (-1: from the current stroke); returns how many changed.
    int ReplaceKeys(int nStart, steno::KeyBits find, steno::KeyBits put, bool bAll);

    /// Replaces the document with the file's strokes. On failure the strokes read
    /// before it stay, with no file to save them over; a cancelled load leaves
    /// the document as it was.
    FileOutcome Load(const std::wstring& strPath, IBackgroundRunner& runner);
    /// Writes the document to strPath, replacing the file only once the new one
    /// is complete; on success the document belongs to that file, unmodified.
    FileOutcome Save(const std::wstring& strPath, IBackgroundRunner& runner);
    /// The same on the calling thread, as the command-line tool loads and saves.
    FileOutcome Load(const std::wstring& strPath);
    FileOutcome Save(const std::wstring& strPath);

private:
    template <typename Match> int FindFrom(int nStart, Match match) const;
    std::size_t CountKeys(steno::KeyBits keys) const;
    int ReplaceFrom(int nBegin, steno::KeyBits find, steno::KeyBits put, bool bAll);
    void RecordChange(EditStep step);
    void ShowHistoryStep(std::optional<int> nChanged, int nOldCount);
    void SetModified(bool bModified);
    void SetFileName(std::wstring strFileName);
    template <typename Notice> void Tell(void (IDocumentObserver::*pNotify)(Notice), Notice notice);

    std::vector<IDocumentObserver*> m_observers;
    bool m_bModified = false;
    int m_nCurrent = -1;
    std::vector<CStenoStroke> m_strokes;
    std::wstring m_strFileName;
    CStenoStroke m_clipStroke;
    StrokeFileHeader m_header;
    CEditHistory m_history;
};

template <typename Notice>
inline void CStrokeDocument::Tell(void (IDocumentObserver::*pNotify)(Notice), Notice notice)
{
    // A copy: an observer may come or go while the others are told.
    const std::vector<IDocumentObserver*> observers = m_observers;
    for (IDocumentObserver* pObserver : observers)
        (pObserver->*pNotify)(notice);
}

} // namespace doc
