#pragma once
// The open document: the strokes in file order, the current stroke, the
// selection, the modified flag, the file it belongs to, a clipboard of any
// number of strokes and the undo history. It knows no window: it tells its
// observers what changed and answers with plain results. Questions to the
// user are the flows' (DocumentFlows.h).

#include "document/BackgroundRunner.h"
#include "document/DocumentObserver.h"
#include "document/EditHistory.h"
#include "document/FileAttempt.h"
#include "rtfcre/StrokeFileLoading.h"
#include "steno/StenoStroke.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace doc {

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
    /// The strokes a paste inserts; empty while nothing was copied.
    std::span<const CStenoStroke> Clipboard() const;
    /// The selected strokes; empty when none is.
    const StrokeRange& Selection() const { return m_selection; }
    /// What range work acts on: the selection, else the current stroke alone.
    StrokeRange Target() const;
    /// The selection, else every stroke.
    StrokeRange SelectionOrAll() const;
    /// What the header of the last file read said (its creation date above all).
    const StrokeFileHeader& Header() const { return m_header; }

    /// Puts strokes in place without a file (generated documents), unmodified;
    /// none is current.
    void AssignStrokes(std::vector<CStenoStroke> strokes);

    /// Makes stroke nIndex current (-1 when out of range) and returns it. The
    /// selection goes; a selection made next grows from this stroke.
    int SetCurrentStroke(int nIndex, bool bBringIntoView);
    /// Makes stroke nIndex (kept inside the document) current and selects the
    /// strokes from the one the selection grows from to it.
    void ExtendSelection(int nIndex, bool bBringIntoView);
    /// Selects every stroke; the current stroke stays.
    void SelectAll();

    /// Puts the target's strokes on the clipboard, replacing what it held.
    void Copy();
    /// Inserts the clipboard's strokes before the selection or the current
    /// stroke (at the end without either); the first of them becomes current.
    void Paste();
    /// Removes nCount strokes from nFirst; the one before them becomes current.
    void DeleteStrokes(int nFirst, int nCount);
    void DeleteStroke(int nIndex) { DeleteStrokes(nIndex, 1); }
    /// Moves the times of the range's strokes (TimeShift.h) as one change;
    /// current stroke and selection stay. When any stroke cannot move, nothing
    /// changes and the reason naming it is returned; empty when done.
    std::wstring ShiftTimes(const StrokeRange& range, std::int64_t nMilliseconds);
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
    void MoveCurrent(int nIndex, bool bBringIntoView);
    void SetSelection(const StrokeRange& selection);
    void ShowHistoryStep(std::optional<int> nChanged, int nOldCount);
    void SetModified(bool bModified);
    void SetFileName(std::wstring strFileName);
    // Defined here: the document's files all tell observers.
    template <typename Notice> void Tell(void (IDocumentObserver::*pNotify)(Notice), Notice notice)
    {
        // A copy: an observer may come or go while the others are told.
        const std::vector<IDocumentObserver*> observers = m_observers;
        for (IDocumentObserver* pObserver : observers)
            (pObserver->*pNotify)(notice);
    }

    std::vector<IDocumentObserver*> m_observers;
    bool m_bModified = false;
    int m_nCurrent = -1;
    int m_nAnchor = -1; ///< where the next selection grows from; -1: the current stroke
    StrokeRange m_selection;
    std::vector<CStenoStroke> m_strokes;
    std::wstring m_strFileName;
    StrokeRun m_clipboard; ///< null while nothing was copied
    StrokeFileHeader m_header;
    CEditHistory m_history;
};

} // namespace doc
