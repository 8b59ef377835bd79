#include "translation/Translator.h"

#include "translation/OutlineHash.h"

#include <algorithm>

namespace translation {

namespace {

using steno::KeyBits;

constexpr std::size_t kLeastPoolLimit = 1 << 16;
constexpr std::size_t kLeastDropped = 1 << 12;

TranslatorNode NodeOf(CDictionaryCollection::Match match, std::uint32_t nStrokes,
                      std::uint32_t nTranslations, std::uint8_t nSuffix)
{
    TranslatorNode node;
    node.nEntry = match.nEntry;
    node.nDict = match.nDict;
    node.nStrokes = static_cast<std::uint16_t>(nStrokes);
    node.nSuffix = nSuffix;
    node.nReplacedCount = static_cast<std::uint8_t>(nTranslations);
    return node;
}

} // namespace

CTranslator::CTranslator(const CDictionaryCollection& dictionaries) : m_dictionaries(dictionaries)
{
    Reset();
}

void CTranslator::Reset()
{
    m_open.clear();
    m_pool.clear();
    m_keys.clear();
    m_positions.clear();
    m_nBottom = 0;
    m_nStrokeBottom = 0;
    m_nPoolLimit = kLeastPoolLimit;
}

void CTranslator::Step(std::uint32_t nPosition, KeyBits keys, TranslationBatch& settled)
{
    if (keys == 0)
        return;
    if (Undoes(keys)) {
        Undo(nPosition, settled);
    } else {
        m_keys.push_back(keys);
        m_positions.push_back(nPosition);
        Push(Translate());
    }
    Settle(settled);
}

void CTranslator::Finish(TranslationBatch& settled)
{
    for (; m_nBottom < m_open.size(); ++m_nBottom) {
        Emit(m_open[m_nBottom], m_nStrokeBottom, settled);
        m_nStrokeBottom += m_open[m_nBottom].nStrokes;
    }
    Reset();
}

// A lone * undoes unless it has an entry of its own; any stroke whose own entry
// is the undo command undoes, before any longer outline is looked for.
bool CTranslator::Undoes(KeyBits keys) const
{
    if (m_dictionaries.IsUndoStroke(keys))
        return true;
    return keys == steno::KeyBit(steno::kKeyStar) && !m_dictionaries.Find(keys);
}

void CTranslator::Undo(std::uint32_t nPosition, TranslationBatch& settled)
{
    if (m_open.size() == m_nBottom) {
        // Nothing is left to take back: the * stands, untranslated, and settles
        // at once; no later stroke joins it or takes it back.
        StandingTranslation star;
        star.nFirst = nPosition;
        star.nLast = nPosition;
        star.nStrokes = 1;
        settled.translations.push_back(star);
        return;
    }
    const TranslatorNode top = m_open.back();
    m_open.pop_back();
    if (m_pUndone)
        Emit(top, m_keys.size() - top.nStrokes, *m_pUndone);
    // A translation's strokes are those it replaced and its own last one.
    m_keys.pop_back();
    m_positions.pop_back();
    const auto replaced = m_pool.begin() + top.nReplaced;
    m_open.insert(m_open.end(), replaced, replaced + top.nReplacedCount);
}

TranslatorNode CTranslator::Translate()
{
    // Most strokes start an outline: the filter says so before anything is
    // gathered to look back over.
    const std::size_t n = m_keys.size();
    const bool bMayJoin =
        m_open.size() > m_nBottom && m_dictionaries.MayEndWith(m_keys[n - 2], m_keys[n - 1]);
    if (bMayJoin) {
        CollectCandidates();
        if (auto node = LookBack())
            return *node;
    }
    if (const auto own = m_dictionaries.Find(m_keys.back()))
        return NodeOf(*own, 1, 0, 0);
    if (!bMayJoin)
        CollectCandidates();
    for (auto candidate = m_candidates.rbegin(); candidate != m_candidates.rend(); ++candidate)
        if (auto node = FoldSuffix(candidate->nTranslations, candidate->nStrokes))
            return *node;
    if (auto node = FoldSuffix(0, 1))
        return *node;
    return NodeOf({}, 1, 0, 0);
}

// The open translations whose strokes, with the new one, fit the longest outline.
void CTranslator::CollectCandidates()
{
    m_candidates.clear();
    const std::size_t nLongest = m_dictionaries.LongestOutline();
    std::size_t nStrokes = 1;
    for (std::size_t i = m_open.size(); i > m_nBottom; --i) {
        nStrokes += m_open[i - 1].nStrokes;
        if (nStrokes > nLongest)
            break;
        m_candidates.push_back({static_cast<std::uint32_t>(m_open.size() - i + 1),
                                static_cast<std::uint32_t>(nStrokes)});
    }
}

/// The longest outline of open translations and the new stroke that has an
/// entry, once the filter has let the last two strokes through.
std::optional<TranslatorNode> CTranslator::LookBack()
{
    const std::size_t n = m_keys.size();
    if (m_candidates.empty())
        return std::nullopt;
    // Outlines of three strokes and more only when the filter knows the last three.
    const bool bTriple = n - m_nStrokeBottom >= 3 &&
                         m_dictionaries.MayEndWith(m_keys[n - 3], m_keys[n - 2], m_keys[n - 1]);
    const std::uint32_t nMost = bTriple ? m_candidates.back().nStrokes : 2;
    m_hashes.resize(nMost + 1);
    m_hashes[0] = kOutlineHashSeed;
    for (std::uint32_t i = 1; i <= nMost; ++i)
        m_hashes[i] = ExtendOutlineHash(m_hashes[i - 1], m_keys[n - i]);
    for (auto candidate = m_candidates.rbegin(); candidate != m_candidates.rend(); ++candidate) {
        const std::uint32_t nStrokes = candidate->nStrokes;
        if (nStrokes > nMost || !m_dictionaries.MayHave(m_hashes[nStrokes]))
            continue;
        if (auto match = m_dictionaries.Find(&m_keys[n - nStrokes], nStrokes, m_hashes[nStrokes]))
            return NodeOf(*match, nStrokes, candidate->nTranslations, 0);
    }
    return std::nullopt;
}

/// The outline with each suffix key in turn taken off the new stroke, when the
/// key has an entry of its own; the entry then reads as that text and the suffix's.
std::optional<TranslatorNode> CTranslator::FoldSuffix(std::uint32_t nTranslations,
                                                      std::uint32_t nStrokes)
{
    const KeyBits keys = m_keys.back();
    const std::size_t n = m_keys.size();
    std::optional<TranslatorNode> node;
    for (std::size_t i = 0; i < kSuffixKeys.size() && !node; ++i) {
        const KeyBits suffix = steno::KeyBit(kSuffixKeys[i]);
        if ((keys & suffix) == 0 || keys == suffix || !m_dictionaries.HasSuffix(i))
            continue;
        m_keys.back() = keys & ~suffix;
        std::uint64_t nHash = kOutlineHashSeed;
        for (std::uint32_t k = 1; k <= nStrokes; ++k)
            nHash = ExtendOutlineHash(nHash, m_keys[n - k]);
        if (nStrokes >= 2 && !m_dictionaries.MayHave(nHash))
            continue;
        if (auto match = m_dictionaries.Find(&m_keys[n - nStrokes], nStrokes, nHash))
            node = NodeOf(*match, nStrokes, nTranslations, static_cast<std::uint8_t>(i + 1));
    }
    m_keys.back() = keys;
    return node;
}

void CTranslator::Push(TranslatorNode node)
{
    if (node.nReplacedCount > 0) {
        node.nReplaced = static_cast<std::uint32_t>(m_pool.size());
        m_pool.insert(m_pool.end(), m_open.end() - node.nReplacedCount, m_open.end());
        m_open.resize(m_open.size() - node.nReplacedCount);
    }
    m_open.push_back(node);
    if (m_pool.size() > m_nPoolLimit)
        CompactPool();
}

// The oldest open translation settles while the ones after it hold enough strokes
// for undo on their own.
void CTranslator::Settle(TranslationBatch& settled)
{
    const std::size_t nKeep = std::max(kUndoStrokes, m_dictionaries.LongestOutline());
    while (m_nBottom < m_open.size()) {
        const TranslatorNode& bottom = m_open[m_nBottom];
        if (m_keys.size() - m_nStrokeBottom - bottom.nStrokes < nKeep)
            break;
        Emit(bottom, m_nStrokeBottom, settled);
        m_nStrokeBottom += bottom.nStrokes;
        ++m_nBottom;
    }
    if (m_nBottom > kLeastDropped && m_nBottom * 2 > m_open.size())
        DropSettled();
}

void CTranslator::Emit(const TranslatorNode& node, std::size_t nStroke, TranslationBatch& out) const
{
    StandingTranslation translation;
    translation.nFirst = m_positions[nStroke];
    translation.nLast = m_positions[nStroke + node.nStrokes - 1];
    translation.nEntry = node.nEntry;
    translation.nStrokes = node.nStrokes;
    translation.nDict = node.nDict;
    translation.nSuffix = node.nSuffix;
    if (!translation.IsContiguous()) {
        translation.nPositions = static_cast<std::uint32_t>(out.positions.size());
        const auto first = m_positions.begin() + static_cast<std::ptrdiff_t>(nStroke);
        out.positions.insert(out.positions.end(), first, first + node.nStrokes);
    }
    out.translations.push_back(translation);
}

void CTranslator::DropSettled()
{
    m_open.erase(m_open.begin(), m_open.begin() + static_cast<std::ptrdiff_t>(m_nBottom));
    m_keys.erase(m_keys.begin(), m_keys.begin() + static_cast<std::ptrdiff_t>(m_nStrokeBottom));
    m_positions.erase(m_positions.begin(),
                      m_positions.begin() + static_cast<std::ptrdiff_t>(m_nStrokeBottom));
    m_nBottom = 0;
    m_nStrokeBottom = 0;
}

/// Appends to nodes, breadth first, every translation the ones in it replaced,
/// pointing each at its new place: a canonical copy of what is reachable.
void CTranslator::CopyReplaced(std::vector<TranslatorNode>& nodes) const
{
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].nReplacedCount == 0)
            continue;
        const auto first = m_pool.begin() + nodes[i].nReplaced;
        nodes[i].nReplaced = static_cast<std::uint32_t>(nodes.size());
        nodes.insert(nodes.end(), first, first + nodes[i].nReplacedCount);
    }
}

void CTranslator::CompactPool()
{
    std::vector<TranslatorNode> nodes(m_open.begin() + static_cast<std::ptrdiff_t>(m_nBottom),
                                      m_open.end());
    CopyReplaced(nodes);
    std::copy(nodes.begin(), nodes.begin() + static_cast<std::ptrdiff_t>(m_open.size() - m_nBottom),
              m_open.begin() + static_cast<std::ptrdiff_t>(m_nBottom));
    m_pool = std::move(nodes);
    m_nPoolLimit = std::max(kLeastPoolLimit, m_pool.size() * 2);
}

void CTranslator::Save(std::uint32_t nOrigin, TranslatorState& state) const
{
    state.nodes.assign(m_open.begin() + static_cast<std::ptrdiff_t>(m_nBottom), m_open.end());
    state.nOpen = state.nodes.size();
    CopyReplaced(state.nodes);
    state.keys.assign(m_keys.begin() + static_cast<std::ptrdiff_t>(m_nStrokeBottom), m_keys.end());
    state.positions.clear();
    for (std::size_t i = m_nStrokeBottom; i < m_positions.size(); ++i)
        state.positions.push_back(static_cast<std::int32_t>(m_positions[i] - nOrigin));
}

void CTranslator::Restore(const TranslatorState& state, std::uint32_t nOrigin)
{
    Reset();
    m_open.assign(state.nodes.begin(),
                  state.nodes.begin() + static_cast<std::ptrdiff_t>(state.nOpen));
    // The saved nodes point into their own vector, which serves as the pool.
    m_pool = state.nodes;
    m_nPoolLimit = std::max(kLeastPoolLimit, m_pool.size() * 2);
    m_keys = state.keys;
    for (std::int32_t nPosition : state.positions)
        m_positions.push_back(nOrigin + static_cast<std::uint32_t>(nPosition));
}

} // namespace translation
