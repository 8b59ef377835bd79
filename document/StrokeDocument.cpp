#include "document/StrokeDocument.h"

#include "shift/TimeShift.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <utility>

namespace doc {
namespace {

bool IsEmptyClip(const CStenoStroke& stroke)
{
    return stroke.m_keys == 0 && stroke.m_rawKeys == 0;
}

std::vector<CStenoStroke>::iterator At(std::vector<CStenoStroke>& strokes, int nIndex)
{
    return strokes.begin() + nIndex;
}

} // namespace

void CStrokeDocument::AddObserver(IDocumentObserver& observer)
{
    m_observers.push_back(&observer);
}

void CStrokeDocument::RemoveObserver(IDocumentObserver& observer)
{
    std::erase(m_observers, &observer);
}

void CStrokeDocument::SetModified(bool bModified)
{
    if (bModified == m_bModified)
        return;
    m_bModified = bModified;
    Tell<bool>(&IDocumentObserver::OnModifiedChanged, bModified);
}

void CStrokeDocument::SetFileName(std::wstring strFileName)
{
    m_strFileName = std::move(strFileName);
    Tell<const std::wstring&>(&IDocumentObserver::OnFileNameChanged, m_strFileName);
}

void CStrokeDocument::AssignStrokes(std::vector<CStenoStroke> strokes)
{
    const int nOld = Count();
    m_strokes = std::move(strokes);
    m_nCurrent = -1;
    m_nAnchor = -1;
    SetSelection({});
    m_history.Clear();
    SetModified(false);
    Tell<const StrokesChange&>(&IDocumentObserver::OnStrokesChanged,
                               {0, nOld, Count(), true});
}

void CStrokeDocument::RecordChange(EditStep step)
{
    m_history.Record(std::move(step));
    SetModified(true);
}

void CStrokeDocument::Undo()
{
    const int nOldCount = Count();
    ShowHistoryStep(m_history.Undo(m_strokes), nOldCount);
}

void CStrokeDocument::Redo()
{
    const int nOldCount = Count();
    ShowHistoryStep(m_history.Redo(m_strokes), nOldCount);
}

void CStrokeDocument::ShowHistoryStep(std::optional<int> nChanged, int nOldCount)
{
    if (!nChanged)
        return;
    // A step may change strokes anywhere from the one it shows on (a Replace
    // All): the observers look again from there to the end.
    const int nFirst = std::max(*nChanged, 0);
    Tell<const StrokesChange&>(&IDocumentObserver::OnStrokesChanged,
                               {nFirst, nOldCount - nFirst, Count() - nFirst, false});
    SetCurrentStroke(*nChanged, true);
    SetModified(!m_history.AtSavePoint());
}

void CStrokeDocument::MoveCurrent(int nIndex, bool bBringIntoView)
{
    const int nCount = Count();
    m_nCurrent = nIndex >= 0 && nIndex < nCount ? nIndex : -1;
    Tell<const CurrentChange&>(&IDocumentObserver::OnCurrentChanged,
                               {m_nCurrent, nCount, bBringIntoView && m_nCurrent != -1});
}

void CStrokeDocument::SetSelection(const StrokeRange& selection)
{
    if (selection == m_selection)
        return;
    m_selection = selection;
    Tell<const StrokeRange&>(&IDocumentObserver::OnSelectionChanged, m_selection);
}

int CStrokeDocument::SetCurrentStroke(int nIndex, bool bBringIntoView)
{
    MoveCurrent(nIndex, bBringIntoView);
    m_nAnchor = m_nCurrent;
    SetSelection({});
    return m_nCurrent;
}

void CStrokeDocument::ExtendSelection(int nIndex, bool bBringIntoView)
{
    if (Count() == 0)
        return;
    nIndex = std::clamp(nIndex, 0, Count() - 1);
    const int nAnchor = m_nAnchor != -1 ? m_nAnchor : m_nCurrent != -1 ? m_nCurrent : nIndex;
    MoveCurrent(nIndex, bBringIntoView);
    m_nAnchor = nAnchor;
    SetSelection({std::min(nAnchor, nIndex), std::max(nAnchor, nIndex)});
}

void CStrokeDocument::SelectAll()
{
    if (Count() > 0)
        SetSelection({0, Count() - 1});
}

StrokeRange CStrokeDocument::Target() const
{
    if (!m_selection.IsEmpty())
        return m_selection;
    return m_nCurrent == -1 ? StrokeRange{} : StrokeRange{m_nCurrent, m_nCurrent};
}

StrokeRange CStrokeDocument::SelectionOrAll() const
{
    return m_selection.IsEmpty() ? StrokeRange{0, Count() - 1} : m_selection;
}

std::span<const CStenoStroke> CStrokeDocument::Clipboard() const
{
    return m_clipboard ? std::span<const CStenoStroke>(*m_clipboard)
                       : std::span<const CStenoStroke>();
}

void CStrokeDocument::Copy()
{
    const StrokeRange target = Target();
    if (target.IsEmpty())
        return;
    std::vector<CStenoStroke> run(At(m_strokes, target.nFirst), At(m_strokes, target.nLast + 1));
    // Strokes without any keys are nothing to paste, as the writer's own editor has it.
    if (std::all_of(run.begin(), run.end(), IsEmptyClip))
        m_clipboard.reset();
    else
        m_clipboard = std::make_shared<const std::vector<CStenoStroke>>(std::move(run));
}

void CStrokeDocument::Paste()
{
    if (!m_clipboard)
        return;
    const int nAt = !m_selection.IsEmpty() ? m_selection.nFirst
                    : m_nCurrent == -1     ? Count()
                                           : m_nCurrent;
    m_strokes.insert(At(m_strokes, nAt), m_clipboard->begin(), m_clipboard->end());
    const int nInserted = static_cast<int>(m_clipboard->size());
    Tell<const StrokesChange&>(&IDocumentObserver::OnStrokesChanged, {nAt, 0, nInserted, false});
    SetCurrentStroke(nAt, true);
    // The step shares the clipboard's strokes, which a later copy replaces, never changes.
    RecordChange(RunInsertion{nAt, m_clipboard});
}

void CStrokeDocument::DeleteStrokes(int nFirst, int nCount)
{
    if (nFirst < 0 || nCount <= 0 || nCount > Count() - nFirst)
        return;
    // Kept for undo before anything is removed: without the memory the
    // document stays as it was.
    auto removed = std::make_shared<const std::vector<CStenoStroke>>(
        std::make_move_iterator(At(m_strokes, nFirst)),
        std::make_move_iterator(At(m_strokes, nFirst + nCount)));
    m_strokes.erase(At(m_strokes, nFirst), At(m_strokes, nFirst + nCount));
    Tell<const StrokesChange&>(&IDocumentObserver::OnStrokesChanged, {nFirst, nCount, 0, false});
    // The stroke before the deleted ones; none when the first was deleted.
    SetCurrentStroke(nFirst - 1, true);
    RecordChange(RunRemoval{nFirst, std::move(removed)});
}

std::wstring CStrokeDocument::ShiftTimes(const StrokeRange& range, std::int64_t nMilliseconds)
{
    if (range.IsEmpty() || range.nLast >= Count() || nMilliseconds == 0)
        return {};
    const auto nBegin = static_cast<std::size_t>(range.nFirst);
    shift::ShiftPlan plan =
        shift::PlanShift(m_strokes, nBegin, nBegin + range.Count(), nMilliseconds);
    if (plan.IsRefused())
        return plan.strRefusal;
    shift::ApplyShift(m_strokes, nBegin, plan.moves, nMilliseconds);
    Tell<const StrokesChange&>(&IDocumentObserver::OnStrokesChanged,
                               {range.nFirst, range.Count(), range.Count(), false});
    RecordChange(TimesShift{range.nFirst, nMilliseconds, std::move(plan.moves)});
    return {};
}

void CStrokeDocument::CommitEdit(int nIndex, std::int64_t time, steno::KeyBits keys)
{
    if (nIndex < 0 || nIndex >= Count())
        return CancelEdit();
    CStenoStroke& stroke = m_strokes[nIndex];
    // An edit that changed nothing leaves nothing to take back.
    if (stroke.m_keys != keys || stroke.m_time != time) {
        m_history.Record(StrokeEdit{nIndex, stroke.m_time, stroke.m_keys, time, keys});
        stroke.m_keys = keys;
        stroke.m_time = time;
        Tell<const StrokesChange&>(&IDocumentObserver::OnStrokesChanged, {nIndex, 1, 1, false});
    }
    SetModified(true);
}

void CStrokeDocument::CancelEdit()
{
    SetModified(true);
}

template <typename Match> int CStrokeDocument::FindFrom(int nStart, Match match) const
{
    const int nCount = Count();
    if (nCount == 0)
        return -1;
    const auto first = m_strokes.begin() + std::clamp(nStart, 0, nCount - 1);
    const auto found = std::find_if(first, m_strokes.end(), match);
    return found == m_strokes.end() ? -1 : static_cast<int>(found - m_strokes.begin());
}

int CStrokeDocument::FindStrokeByKeys(int nStart, steno::KeyBits keys) const
{
    return FindFrom(nStart, [keys](const CStenoStroke& stroke) { return stroke.m_keys == keys; });
}

int CStrokeDocument::FindStrokeByTime(int nStart, std::int64_t time) const
{
    return FindFrom(nStart, [time](const CStenoStroke& stroke) { return stroke.m_time == time; });
}

std::size_t CStrokeDocument::CountKeys(steno::KeyBits keys) const
{
    return static_cast<std::size_t>(
        std::count_if(m_strokes.begin(), m_strokes.end(),
                      [keys](const CStenoStroke& stroke) { return stroke.m_keys == keys; }));
}

int CStrokeDocument::ReplaceKeys(int nStart, steno::KeyBits find, steno::KeyBits put, bool bAll)
{
    if (bAll)
        return ReplaceFrom(0, find, put, true);
    if (m_nCurrent != -1 && nStart == -1)
        return ReplaceFrom(m_nCurrent, find, put, false);
    if (nStart < Count())
        return ReplaceFrom(nStart, find, put, false);
    SetCurrentStroke(0, true);
    return 0;
}

int CStrokeDocument::ReplaceFrom(int nBegin, steno::KeyBits find, steno::KeyBits put, bool bAll)
{
    const int nCurrentBefore = m_nCurrent;
    KeysReplacement replacement{{}, put};
    // Room for every change before the first one is made, so running out of
    // memory leaves the document as it was rather than changed beyond undoing.
    replacement.changes.reserve(bAll ? CountKeys(find) : 1);
    for (int nFound = FindStrokeByKeys(nBegin, find); nFound != -1;) {
        replacement.changes.push_back({nFound, m_strokes[nFound].m_keys});
        m_strokes[nFound].m_keys = put;
        if (!bAll)
            break;
        nFound = nFound + 1 < Count() ? FindStrokeByKeys(nFound + 1, find) : -1;
    }
    const int nReplaced = static_cast<int>(replacement.changes.size());
    if (nReplaced > 0) {
        const int nFirst = replacement.changes.front().nIndex;
        const int nLast = replacement.changes.back().nIndex;
        Tell<const StrokesChange&>(&IDocumentObserver::OnStrokesChanged,
                                   {nFirst, nLast - nFirst + 1, nLast - nFirst + 1, false});
    }
    if (!bAll && nReplaced > 0)
        SetCurrentStroke(replacement.changes.front().nIndex, true);
    else if (bAll)
        SetCurrentStroke(nCurrentBefore, true);
    if (nReplaced > 0)
        RecordChange(std::move(replacement));
    return nReplaced;
}

} // namespace doc
