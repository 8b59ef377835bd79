#pragma once
// Translates strokes one at a time as the open steno engine does, so users see
// the same words: a stroke joins the translations before it into the longest
// outline the dictionaries have, a lone * takes the last translation back and
// brings back the ones it had replaced (with nothing left to take back it stands
// on its own), and a stroke without an entry may fold
// a suffix key off its end. Translations settle once at least 100 strokes stand
// after them (undo reaches no further); the open rest can be saved as a value
// and restored, which lets a document translate again from the middle. On
// request it also reports each translation a * took back (the misstrokes).

#include "translation/DictionaryCollection.h"
#include "translation/StandingTranslation.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace translation {

/// A translation still open: its stroke count, its entry, and the translations
/// it replaced, which stand again when it is taken back.
struct TranslatorNode
{
    std::uint32_t nEntry = 0;
    std::uint32_t nReplaced = 0; ///< where the translations it replaced start in the pool
    std::uint16_t nStrokes = 0;
    std::uint8_t nDict = kUntranslated;
    std::uint8_t nSuffix = 0;
    std::uint8_t nReplacedCount = 0;

    friend bool operator==(const TranslatorNode&, const TranslatorNode&) = default;
};

/// The open translations as a value, their stroke positions counted from an origin.
struct TranslatorState
{
    std::vector<TranslatorNode> nodes; ///< the open ones oldest first, then those they replaced
    std::size_t nOpen = 0;
    std::vector<steno::KeyBits> keys;    ///< the strokes of the open translations
    std::vector<std::int32_t> positions; ///< and their positions less the origin

    friend bool operator==(const TranslatorState&, const TranslatorState&) = default;
};

class CTranslator
{
public:
    /// Undo reaches back over the translations of at least this many strokes.
    static constexpr std::size_t kUndoStrokes = 100;

    explicit CTranslator(const CDictionaryCollection& dictionaries);

    void Reset();
    /// Translates the stroke at nPosition; a stroke without keys is passed over.
    /// Translations that settle are appended to settled.
    void Step(std::uint32_t nPosition, steno::KeyBits keys, TranslationBatch& settled);
    /// Settles every open translation, as at the end of the strokes, and resets.
    void Finish(TranslationBatch& settled);
    /// From now on each translation a * takes back is appended to *pUndone, in
    /// the order they are taken back; null stops the reports.
    void ReportUndone(TranslationBatch* pUndone) { m_pUndone = pUndone; }

    void Save(std::uint32_t nOrigin, TranslatorState& state) const;
    void Restore(const TranslatorState& state, std::uint32_t nOrigin);

private:
    struct Candidate
    {
        std::uint32_t nTranslations; ///< open translations the outline takes in
        std::uint32_t nStrokes;      ///< strokes of the outline, the new one included
    };

    bool Undoes(steno::KeyBits keys) const;
    void Undo(std::uint32_t nPosition, TranslationBatch& settled);
    TranslatorNode Translate();
    void CollectCandidates();
    std::optional<TranslatorNode> LookBack();
    std::optional<TranslatorNode> FoldSuffix(std::uint32_t nTranslations, std::uint32_t nStrokes);
    void Push(TranslatorNode node);
    void Settle(TranslationBatch& settled);
    /// Appends the node as a translation whose strokes start at m_keys[nStroke].
    void Emit(const TranslatorNode& node, std::size_t nStroke, TranslationBatch& out) const;
    void CopyReplaced(std::vector<TranslatorNode>& nodes) const;
    void CompactPool();
    void DropSettled();

    const CDictionaryCollection& m_dictionaries;
    std::vector<TranslatorNode> m_open; ///< settled ones before m_nBottom wait to be dropped
    std::vector<TranslatorNode> m_pool; ///< translations replaced by open ones
    std::vector<steno::KeyBits> m_keys; ///< strokes of the open translations, in order
    std::vector<std::uint32_t> m_positions;
    std::size_t m_nBottom = 0;
    std::size_t m_nStrokeBottom = 0;
    std::size_t m_nPoolLimit = 0;
    std::vector<Candidate> m_candidates;
    std::vector<std::uint64_t> m_hashes;
    TranslationBatch* m_pUndone = nullptr;
};

} // namespace translation
