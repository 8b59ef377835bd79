#include "strokelist/StrokeDocument.h"

#include "base/LocalTime.h"
#include "steno/StenoEncoder.h"
#include "strokelist/StrokeListObserver.h"
#include "strokelist/StrokeListView.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace strokelist {
namespace {

constexpr std::wstring_view kNothingToReplace = L"Nothing found to replace";
constexpr int kStrokeTextCompactLetters = 2;

// Stands in for the list window and the main window when the document runs headless.
class CNoView final : public IStrokeListView
{
public:
    int RowHeight() const override { return 0; }
    int ClientHeight() const override { return 0; }
    void SetScrollPos(int) override {}
    void SetScrollRangeMax(int) override {}
    void RepaintListArea() override {}
    void ResetLayout() override {}
    void HideEditor() override {}
    void OpenEditor(int) override {}
    void FocusList() override {}
};

class CNoObserver final : public IStrokeListObserver
{
public:
    void OnCurrentStroke(int, int) override {}
};

IStrokeListView& ViewOrNone(IStrokeListView* pView)
{
    static CNoView none;
    return pView != nullptr ? *pView : none;
}

IStrokeListObserver& ObserverOrNone(IStrokeListObserver* pObserver)
{
    static CNoObserver none;
    return pObserver != nullptr ? *pObserver : none;
}

bool IsEmptyClip(const CStenoStroke& stroke)
{
    return stroke.m_keys == 0 && stroke.m_rawKeys == 0;
}

std::wstring ReplacedMessage(int nReplaced)
{
    return std::to_wstring(nReplaced) + L" stroke(s) replaced";
}

} // namespace

int BringIntoViewPosition(int nIndex, int nCount, int nClientHeight, int nRowHeight)
{
    if (nIndex == 0)
        return 0;
    if (nIndex == nCount - 1)
        return nIndex;
    // Before the first layout there is no row height: nothing to centre by.
    const int nHalfPage = nRowHeight > 0 ? nClientHeight / (2 * nRowHeight) : 0;
    return std::max(0, nIndex - nHalfPage);
}

std::wstring DeleteQuestion(const CStenoStroke& stroke)
{
    // A time that cannot be converted shows as an empty text.
    const std::wstring strTime = base::FormatLocalTime(stroke.m_time, "%I:%M:%S %p");
    const std::wstring strKeys = StrokeText(stroke, kStrokeTextCompactLetters);
    return L"Do you want to remove stroke '" + strTime + L":  " + strKeys + L"'?";
}

CStrokeDocument::CStrokeDocument(IStrokeListView* pView, IStrokeListObserver* pObserver)
    : m_view(ViewOrNone(pView)), m_observer(ObserverOrNone(pObserver))
{
}

void CStrokeDocument::AssignStrokes(std::vector<CStenoStroke> strokes)
{
    m_strokes = std::move(strokes);
    m_nCurrent = -1;
    m_history.Clear();
}

void CStrokeDocument::SetModified(bool bModified)
{
    m_bModified = bModified;
    if (!bModified)
        m_history.MarkSaved();
}

void CStrokeDocument::RecordChange(EditStep step)
{
    m_history.Record(std::move(step));
    m_bModified = true;
}

void CStrokeDocument::Undo()
{
    ShowHistoryStep(m_history.Undo(m_strokes));
}

void CStrokeDocument::Redo()
{
    ShowHistoryStep(m_history.Redo(m_strokes));
}

void CStrokeDocument::ShowHistoryStep(std::optional<int> nChanged)
{
    if (!nChanged)
        return;
    m_view.SetScrollRangeMax(Count());
    SetCurrentStroke(*nChanged, true);
    m_bModified = !m_history.AtSavePoint();
}

int CStrokeDocument::SetCurrentStroke(int nIndex, bool bBringIntoView)
{
    m_view.HideEditor();
    const int nCount = Count();
    if (nIndex >= 0 && nIndex < nCount) {
        m_nCurrent = nIndex;
        if (bBringIntoView) {
            m_view.SetScrollPos(
                BringIntoViewPosition(nIndex, nCount, m_view.ClientHeight(), m_view.RowHeight()));
        }
    } else {
        m_nCurrent = -1;
    }
    m_view.RepaintListArea();
    m_observer.OnCurrentStroke(m_nCurrent, nCount);
    return m_nCurrent;
}

void CStrokeDocument::CopyStroke()
{
    if (m_nCurrent == -1)
        return;
    m_clipStroke = m_strokes[m_nCurrent];
}

void CStrokeDocument::PasteStroke()
{
    if (IsEmptyClip(m_clipStroke))
        return;
    int nNew = m_nCurrent;
    if (nNew == -1) {
        m_strokes.push_back(m_clipStroke);
        nNew = Count() - 1;
    } else {
        m_strokes.insert(m_strokes.begin() + nNew, m_clipStroke);
    }
    m_view.SetScrollRangeMax(Count());
    SetCurrentStroke(nNew, true);
    RecordChange(StrokeInsertion{nNew, m_clipStroke});
}

void CStrokeDocument::DeleteStroke(platform::Prompter& prompter)
{
    if (m_nCurrent == -1)
        return;
    if (prompter.YesNo(DeleteQuestion(m_strokes[m_nCurrent])) != platform::Answer::Yes)
        return;
    StrokeRemoval removal{m_nCurrent, m_strokes[m_nCurrent]};
    m_strokes.erase(m_strokes.begin() + m_nCurrent);
    // The stroke before the deleted one; none when the first was deleted.
    --m_nCurrent;
    m_view.SetScrollRangeMax(Count());
    SetCurrentStroke(m_nCurrent, true);
    RecordChange(std::move(removal));
}

void CStrokeDocument::BeginEdit()
{
    if (m_nCurrent == -1)
        return;
    m_view.OpenEditor(m_nCurrent);
}

void CStrokeDocument::EndEdit(bool bCommit, std::int64_t time, steno::KeyBits keys)
{
    if (bCommit && m_nCurrent != -1) {
        CStenoStroke& stroke = m_strokes[m_nCurrent];
        // An edit that changed nothing leaves nothing to take back.
        if (stroke.m_keys != keys || stroke.m_time != time)
            m_history.Record(StrokeEdit{m_nCurrent, stroke.m_time, stroke.m_keys, time, keys});
        stroke.m_keys = keys;
        stroke.m_time = time;
    }
    m_view.FocusList();
    // Even a cancelled edit marks the document modified: the user may have
    // meant a change. It changed no stroke, so there is nothing to undo.
    m_bModified = true;
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

std::size_t CStrokeDocument::CountKeys(std::uint32_t keys) const
{
    return static_cast<std::size_t>(
        std::count_if(m_strokes.begin(), m_strokes.end(),
                      [keys](const CStenoStroke& stroke) { return stroke.m_keys == keys; }));
}

int CStrokeDocument::ReplaceStrokes(int nStart, const CStenoStroke& find, const CStenoStroke& put,
                                    bool bAll, platform::Prompter& prompter)
{
    const int nCurrentBefore = m_nCurrent;
    int nBegin = 0;
    if (nCurrentBefore != -1 && nStart == -1) {
        nBegin = bAll ? 0 : nCurrentBefore;
    } else if (nStart < Count()) {
        nBegin = bAll ? 0 : nStart;
    } else {
        prompter.Information(std::wstring(kNothingToReplace));
        SetCurrentStroke(0, true);
        return 0;
    }

    KeysReplacement replacement{{}, put.m_keys};
    // Room for every change before the first one is made, so running out of
    // memory leaves the document as it was rather than changed beyond undoing.
    replacement.changes.reserve(bAll ? CountKeys(find.m_keys) : 1);
    for (;;) {
        const int nFound = FindStrokeByKeys(nBegin, find.m_keys);
        if (nFound == -1) {
            if (bAll)
                SetCurrentStroke(nCurrentBefore, true);
            break;
        }
        replacement.changes.push_back({nFound, m_strokes[nFound].m_keys});
        m_strokes[nFound].m_keys = put.m_keys;
        if (!bAll) {
            SetCurrentStroke(nFound, true);
            break;
        }
        if (nFound + 1 >= Count()) {
            SetCurrentStroke(nCurrentBefore, true);
            break;
        }
        nBegin = nFound + 1;
    }

    if (replacement.changes.empty()) {
        prompter.Information(std::wstring(kNothingToReplace));
        return 0;
    }
    const int nReplaced = static_cast<int>(replacement.changes.size());
    RecordChange(std::move(replacement));
    prompter.Information(ReplacedMessage(nReplaced));
    return 1;
}

} // namespace strokelist
