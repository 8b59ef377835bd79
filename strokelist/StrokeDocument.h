#pragma once
// The open document of the stroke list: the strokes in file order, the current
// stroke, the modified flag, the file it belongs to and a one-stroke clipboard,
// with every operation on them. The list widget owns one and forwards to it.

#include "platform/core/Prompter.h"
#include "rtfcre/StrokeFileLoading.h"
#include "steno/StenoStroke.h"
#include "strokelist/EditHistory.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace strokelist {

class IStrokeListView;
class IStrokeListObserver;

class CStrokeDocument
{
public:
    /// Without a view or an observer the document runs headless (the command-line tool).
    explicit CStrokeDocument(IStrokeListView* pView = nullptr,
                             IStrokeListObserver* pObserver = nullptr);
    CStrokeDocument(const CStrokeDocument&) = delete;
    CStrokeDocument& operator=(const CStrokeDocument&) = delete;

    // Readable state.
    int Count() const { return static_cast<int>(m_strokes.size()); }
    int Current() const { return m_nCurrent; }
    const CStenoStroke& Stroke(int nIndex) const { return m_strokes[nIndex]; }
    const std::vector<CStenoStroke>& Strokes() const { return m_strokes; }
    bool IsModified() const { return m_bModified; }
    /// Clearing the flag also makes the strokes as they are now those of the file.
    void SetModified(bool bModified);
    const std::wstring& FileName() const { return m_strFileName; }
    const CStenoStroke& ClipStroke() const { return m_clipStroke; }
    /// What the header of the last file read said (its creation date above all).
    const StrokeFileHeader& Header() const { return m_header; }
    /// What went wrong in the last failed load or save, for the user who asks.
    const std::string& LastFailure() const { return m_strLastFailure; }
    /// Puts strokes in place without a file (generated documents); none is current
    /// afterwards and nobody is told until the caller sets the current stroke.
    void AssignStrokes(std::vector<CStenoStroke> strokes);

    /// Takes the last change back and makes the stroke it touched current;
    /// nothing happens when there is none.
    void Undo();
    /// Makes the last change taken back again, as Undo.
    void Redo();

    /// Makes stroke nIndex current (-1 when out of range) and tells the main
    /// window; with bBringIntoView the list scrolls so the stroke is centred.
    int SetCurrentStroke(int nIndex, bool bBringIntoView);
    void CopyStroke();
    void PasteStroke();
    /// Asks first; removes the current stroke on Yes.
    void DeleteStroke(platform::Prompter& prompter);
    void BeginEdit();
    /// The stroke editor finished: with bCommit the current stroke takes its time and keys.
    void EndEdit(bool bCommit, std::int64_t time, steno::KeyBits keys);

    /// First stroke at or after nStart with these keys, or -1.
    int FindStrokeByKeys(int nStart, steno::KeyBits keys) const;
    /// First stroke at or after nStart written at this time (to the second), or -1.
    int FindStrokeByTime(int nStart, std::int64_t time) const;
    /// Puts put's keys into the first (or, with bAll, every) stroke with find's
    /// keys and reports the outcome; 1 when a stroke changed, else 0.
    int ReplaceStrokes(int nStart, const CStenoStroke& find, const CStenoStroke& put, bool bAll,
                       platform::Prompter& prompter);

    /// Replaces the document with the strokes of the file; false when a failure
    /// was reported and the user chose Cancel.
    bool LoadFile(const std::wstring& strPath, platform::Prompter& prompter);
    /// Writes the document to strPath (its own file when empty), replacing the
    /// file only once the new one is complete; false when there was nothing to
    /// save under or a failure was reported and the user chose Cancel.
    bool SaveFile(const std::wstring& strPath, platform::Prompter& prompter);

private:
    template <typename Match> int FindFrom(int nStart, Match match) const;
    /// How many strokes have exactly these keys.
    std::size_t CountKeys(std::uint32_t keys) const;
    void RecordChange(EditStep step);
    void ShowHistoryStep(std::optional<int> nChanged);
    void DropStrokes();
    void ReadFile(const std::wstring& strPath);
    void WriteFile(const std::wstring& strTarget) const;

    IStrokeListView& m_view;
    IStrokeListObserver& m_observer;

    bool m_bModified = false;
    int m_nCurrent = -1;
    std::vector<CStenoStroke> m_strokes;
    std::wstring m_strFileName;
    CStenoStroke m_clipStroke;
    std::string m_strLastFailure;
    StrokeFileHeader m_header;
    CEditHistory m_history;
};

/// The scroll position that brings stroke nIndex into view: the top for the
/// first stroke, the stroke itself for the last, otherwise the stroke centred.
int BringIntoViewPosition(int nIndex, int nCount, int nClientHeight, int nRowHeight);

/// The question asked before a stroke is removed.
std::wstring DeleteQuestion(const CStenoStroke& stroke);

} // namespace strokelist
