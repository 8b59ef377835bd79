#include "document/EditHistory.h"

#include "shift/TimeShift.h"

#include <utility>

namespace doc {
namespace {

// Each function applies a step forwards (redo) or backwards (undo) and returns
// the index of the stroke to make current.

int Insert(std::vector<CStenoStroke>& strokes, int nIndex, const StrokeRun& run)
{
    strokes.insert(strokes.begin() + nIndex, run->begin(), run->end());
    return nIndex;
}

int Remove(std::vector<CStenoStroke>& strokes, int nIndex, const StrokeRun& run)
{
    const auto first = strokes.begin() + nIndex;
    strokes.erase(first, first + static_cast<std::ptrdiff_t>(run->size()));
    return nIndex;
}

int Apply(const RunInsertion& step, std::vector<CStenoStroke>& strokes, bool bForward)
{
    // Taking a paste back leaves current the stroke it was pasted before, or
    // none when it was pasted at the end.
    return bForward ? Insert(strokes, step.nIndex, step.strokes)
                    : Remove(strokes, step.nIndex, step.strokes);
}

int Apply(const RunRemoval& step, std::vector<CStenoStroke>& strokes, bool bForward)
{
    // Deleting again leaves current the stroke before, as the delete did.
    return bForward ? Remove(strokes, step.nIndex, step.strokes) - 1
                    : Insert(strokes, step.nIndex, step.strokes);
}

int Apply(const TimesShift& step, std::vector<CStenoStroke>& strokes, bool bForward)
{
    shift::ApplyShift(strokes, static_cast<std::size_t>(step.nFirst), step.moves,
                      step.nMilliseconds, bForward);
    return step.nFirst;
}

int Apply(const StrokeEdit& step, std::vector<CStenoStroke>& strokes, bool bForward)
{
    CStenoStroke& stroke = strokes[step.nIndex];
    stroke.m_time = bForward ? step.newTime : step.oldTime;
    stroke.m_keys = bForward ? step.newKeys : step.oldKeys;
    return step.nIndex;
}

int Apply(const KeysReplacement& step, std::vector<CStenoStroke>& strokes, bool bForward)
{
    for (const KeysReplacement::Change& change : step.changes)
        strokes[change.nIndex].m_keys = bForward ? step.newKeys : change.oldKeys;
    return step.changes.front().nIndex;
}

int Apply(const EditStep& step, std::vector<CStenoStroke>& strokes, bool bForward)
{
    return std::visit([&](const auto& kind) { return Apply(kind, strokes, bForward); }, step);
}

} // namespace

void CEditHistory::Record(EditStep step)
{
    m_steps.resize(m_nApplied);
    if (m_nSavePoint && *m_nSavePoint > m_nApplied)
        m_nSavePoint.reset();
    m_steps.push_back(std::move(step));
    ++m_nApplied;
}

std::optional<int> CEditHistory::Undo(std::vector<CStenoStroke>& strokes)
{
    if (m_nApplied == 0)
        return std::nullopt;
    --m_nApplied;
    return Apply(m_steps[m_nApplied], strokes, false);
}

std::optional<int> CEditHistory::Redo(std::vector<CStenoStroke>& strokes)
{
    if (m_nApplied == m_steps.size())
        return std::nullopt;
    ++m_nApplied;
    return Apply(m_steps[m_nApplied - 1], strokes, true);
}

void CEditHistory::Clear()
{
    // Free the storage: a Replace All of a large file may have kept much.
    std::vector<EditStep>().swap(m_steps);
    m_nApplied = 0;
    m_nSavePoint = 0;
}

} // namespace doc
