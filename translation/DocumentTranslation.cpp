#include "translation/DocumentTranslation.h"

#include <algorithm>

namespace translation {

namespace {

/// Where a stroke of the old document is now; none for one inside the change.
std::optional<std::int64_t> MovedPosition(std::uint32_t nOld, const StrokeChange& change)
{
    if (nOld < change.nFirst)
        return nOld;
    if (nOld >= change.nOldEnd)
        return std::int64_t{nOld} + change.nNewEnd - change.nOldEnd;
    return std::nullopt;
}

} // namespace

CDocumentTranslation::CDocumentTranslation(const CDictionaryCollection& dictionaries)
    : m_dictionaries(dictionaries), m_translator(dictionaries)
{
}

void CDocumentTranslation::TranslateAll(const IStrokeKeys& strokes)
{
    m_translator.Reset();
    m_saved.clear();
    TranslationBatch batch;
    const auto nCount = static_cast<std::uint32_t>(strokes.Count());
    for (std::uint32_t i = 0; i < nCount; ++i) {
        if (i % kSaveInterval == 0)
            SaveState(i, batch.translations.size(), m_saved);
        m_translator.Step(i, strokes.Keys(i), batch);
    }
    if (m_saved.empty())
        SaveState(0, 0, m_saved);
    m_translator.Finish(batch);
    m_list = CStandingList();
    m_list.Replace(0, 0, batch, 0);
    m_nStrokes = nCount;
}

TranslationChange CDocumentTranslation::Retranslate(const IStrokeKeys& strokes, StrokeChange change)
{
    // A change that does not fit the strokes translated last is taken as a new document.
    if (m_saved.empty() || change.nFirst > change.nOldEnd || change.nFirst > change.nNewEnd ||
        change.nOldEnd > m_nStrokes ||
        strokes.Count() !=
            m_nStrokes - (change.nOldEnd - change.nFirst) + (change.nNewEnd - change.nFirst)) {
        const std::size_t nOld = m_list.Count();
        TranslateAll(strokes);
        return {0, nOld, m_list.Count()};
    }
    Run run = RunFrom(strokes, change);
    const std::size_t nFirst = m_saved[run.nStart].nSettled;
    const std::size_t nOldEnd = run.bMet ? m_saved[run.nMet].nSettled : m_list.Count();
    const std::size_t nNewEnd = nFirst + m_batch.translations.size();
    const std::int64_t nShift = std::int64_t{change.nNewEnd} - change.nOldEnd;
    const TranslationChange result = Narrowed(nFirst, nOldEnd, change);
    m_list.Replace(nFirst, nOldEnd, m_batch, nShift);
    KeepSavedStates(run, nShift,
                    static_cast<std::int64_t>(nNewEnd) - static_cast<std::int64_t>(nOldEnd));
    m_nStrokes = strokes.Count();
    return result;
}

// The states saved before the run stay, those saved on the way join them, and
// the ones after where the run met the old translation move with the change.
void CDocumentTranslation::KeepSavedStates(Run& run, std::int64_t nShift,
                                           std::int64_t nSettledShift)
{
    std::vector<SavedState> saved;
    saved.reserve(m_saved.size() + run.saved.size());
    std::move(m_saved.begin(), m_saved.begin() + static_cast<std::ptrdiff_t>(run.nStart) + 1,
              std::back_inserter(saved));
    std::move(run.saved.begin(), run.saved.end(), std::back_inserter(saved));
    for (std::size_t i = run.nMet; run.bMet && i < m_saved.size(); ++i) {
        SavedState& state = saved.emplace_back(std::move(m_saved[i]));
        state.nPosition = static_cast<std::uint32_t>(state.nPosition + nShift);
        state.nSettled =
            static_cast<std::size_t>(static_cast<std::int64_t>(state.nSettled) + nSettledShift);
    }
    m_saved = std::move(saved);
}

CDocumentTranslation::Run CDocumentTranslation::RunFrom(const IStrokeKeys& strokes,
                                                        const StrokeChange& change)
{
    Run run;
    const auto after = std::upper_bound(
        m_saved.begin(), m_saved.end(), change.nFirst,
        [](std::uint32_t n, const SavedState& state) { return n < state.nPosition; });
    run.nStart = static_cast<std::size_t>(after - m_saved.begin()) - 1;
    const SavedState& start = m_saved[run.nStart];
    m_translator.Restore(start.state, start.nPosition);
    m_batch.Clear();

    std::size_t nNext = run.nStart + 1;
    std::uint32_t nLastSaved = start.nPosition;
    const auto nCount = static_cast<std::uint32_t>(strokes.Count());
    for (std::uint32_t j = start.nPosition;; ++j) {
        if (MetAgain(j, change, nNext, run)) {
            m_nLastRun = j - start.nPosition;
            return run;
        }
        if (j == nCount)
            break;
        if (j - nLastSaved >= kSaveInterval) {
            SaveState(j, start.nSettled + m_batch.translations.size(), run.saved);
            nLastSaved = j;
        }
        m_translator.Step(j, strokes.Keys(j), m_batch);
    }
    m_translator.Finish(m_batch);
    m_nLastRun = nCount - start.nPosition;
    return run;
}

/// Whether the run, before stroke j, meets a state the old translation saved
/// after the change; nNext walks through the old states as j grows.
bool CDocumentTranslation::MetAgain(std::uint32_t j, const StrokeChange& change, std::size_t& nNext,
                                    Run& run)
{
    const std::int64_t nShift = std::int64_t{change.nNewEnd} - change.nOldEnd;
    while (nNext < m_saved.size() &&
           (m_saved[nNext].nPosition < change.nOldEnd || m_saved[nNext].nPosition + nShift < j))
        ++nNext;
    if (j < change.nNewEnd || nNext == m_saved.size() || m_saved[nNext].nPosition + nShift != j)
        return false;
    if (!Meets(m_saved[nNext], j, change)) {
        ++nNext;
        return false;
    }
    run.bMet = true;
    run.nMet = nNext;
    return true;
}

// The runs agree from here on when the open translations are the same, moved by
// the change, and none of their strokes is before the change's end.
bool CDocumentTranslation::Meets(const SavedState& old, std::uint32_t nPosition,
                                 const StrokeChange& change)
{
    m_translator.Save(nPosition, m_scratch);
    if (!(m_scratch == old.state))
        return false;
    return old.state.positions.empty() ||
           std::int64_t{old.nPosition} + old.state.positions.front() >= change.nOldEnd;
}

void CDocumentTranslation::SaveState(std::uint32_t nPosition, std::size_t nSettled,
                                     std::vector<SavedState>& saved)
{
    SavedState& state = saved.emplace_back();
    state.nPosition = nPosition;
    state.nSettled = nSettled;
    m_translator.Save(nPosition, state.state);
}

// Translations at both ends of the new run that equal the old ones, moved by the
// change, did not change.
TranslationChange CDocumentTranslation::Narrowed(std::size_t nFirst, std::size_t nOldEnd,
                                                 const StrokeChange& change) const
{
    const auto& fresh = m_batch.translations;
    std::vector<std::uint32_t> oldPositions;
    const auto same = [&](std::size_t nOld, std::size_t nNew) {
        oldPositions.clear();
        m_list.AppendPositions(nOld, oldPositions);
        const StandingTranslation& t = fresh[nNew];
        if (oldPositions.size() != t.nStrokes)
            return false;
        const StandingTranslation old = m_list.At(nOld);
        if (old.nEntry != t.nEntry || old.nDict != t.nDict || old.nSuffix != t.nSuffix)
            return false;
        for (std::uint32_t i = 0; i < t.nStrokes; ++i) {
            const std::int64_t nNow =
                t.IsContiguous() ? t.nFirst + i : m_batch.positions[t.nPositions + i];
            if (MovedPosition(oldPositions[i], change) != nNow)
                return false;
        }
        return true;
    };
    std::size_t nOld = nOldEnd - nFirst;
    std::size_t nNew = fresh.size();
    std::size_t nSame = 0;
    while (nSame < nOld && nSame < nNew && same(nFirst + nSame, nSame))
        ++nSame;
    while (nOld > nSame && nNew > nSame && same(nFirst + nOld - 1, nNew - 1)) {
        --nOld;
        --nNew;
    }
    return {nFirst + nSame, nOld - nSame, nNew - nSame};
}

std::optional<std::uint32_t>
CDocumentTranslation::NextUntranslated(std::optional<std::uint32_t> nAfter) const
{
    auto nIndex = m_list.NextUntranslated(nAfter ? m_list.FirstFrom(*nAfter + 1) : 0);
    if (!nIndex)
        nIndex = m_list.NextUntranslated(0);
    if (!nIndex)
        return std::nullopt;
    return m_list.At(*nIndex).nFirst;
}

std::size_t CDocumentTranslation::MemoryBytes() const
{
    std::size_t nBytes = m_list.MemoryBytes() + m_saved.capacity() * sizeof(SavedState);
    for (const SavedState& saved : m_saved)
        nBytes += saved.state.nodes.capacity() * sizeof(TranslatorNode) +
                  saved.state.keys.capacity() * sizeof(steno::KeyBits) +
                  saved.state.positions.capacity() * sizeof(std::int32_t);
    return nBytes;
}

} // namespace translation
