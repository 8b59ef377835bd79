#pragma once
// The translation of a whole document: its standing translations, and the
// translator's open state saved every few hundred strokes. After a change the
// translator starts again from the last state saved before it and stops at the
// first saved state after it that it meets again exactly, with the translations
// still open all past the change; everything from there on stands as it stood,
// moved by the change's length. So one edit in a million strokes costs microseconds.

#include "translation/DictionaryCollection.h"
#include "translation/StandingList.h"
#include "translation/StrokeKeys.h"
#include "translation/Translator.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace translation {

/// Strokes [nFirst, nOldEnd) of the document became [nFirst, nNewEnd): an insert
/// has nOldEnd == nFirst, a delete nNewEnd == nFirst, an edit of one stroke both
/// nFirst + 1.
struct StrokeChange
{
    std::uint32_t nFirst = 0;
    std::uint32_t nOldEnd = 0;
    std::uint32_t nNewEnd = 0;
};

/// Translations [nFirst, nFirst + nOldCount) were replaced by [nFirst, nFirst +
/// nNewCount); the ones after are as before, their strokes moved with the change.
struct TranslationChange
{
    std::size_t nFirst = 0;
    std::size_t nOldCount = 0;
    std::size_t nNewCount = 0;
};

class CDocumentTranslation
{
public:
    /// Strokes between two saved states of the translator.
    static constexpr std::uint32_t kSaveInterval = 512;

    /// The dictionaries stay the caller's; after they change, translate all again.
    explicit CDocumentTranslation(const CDictionaryCollection& dictionaries);

    void TranslateAll(const IStrokeKeys& strokes);
    /// Translates again after strokes changed; strokes are the document as it is now.
    TranslationChange Retranslate(const IStrokeKeys& strokes, StrokeChange change);

    const CStandingList& Translations() const { return m_list; }
    /// The stroke of the next untranslated translation after stroke nAfter, from
    /// the top after the last; none when no translation is untranslated.
    std::optional<std::uint32_t> NextUntranslated(std::optional<std::uint32_t> nAfter) const;
    /// How many strokes the last Retranslate translated.
    std::size_t LastRunLength() const { return m_nLastRun; }
    /// Bytes held by the translations and the saved states.
    std::size_t MemoryBytes() const;

private:
    struct SavedState
    {
        std::uint32_t nPosition = 0; ///< saved before the stroke at this position
        std::size_t nSettled = 0;    ///< translations settled by then
        TranslatorState state;
    };
    struct Run
    {
        std::size_t nStart = 0; ///< the saved state the run starts from
        std::size_t nMet = 0;   ///< the old saved state it met again, if bMet
        bool bMet = false;
        std::vector<SavedState> saved; ///< states saved on the way
    };

    Run RunFrom(const IStrokeKeys& strokes, const StrokeChange& change);
    bool MetAgain(std::uint32_t j, const StrokeChange& change, std::size_t& nNext, Run& run);
    void KeepSavedStates(Run& run, std::int64_t nShift, std::int64_t nSettledShift);
    bool Meets(const SavedState& old, std::uint32_t nPosition, const StrokeChange& change);
    void SaveState(std::uint32_t nPosition, std::size_t nSettled, std::vector<SavedState>& saved);
    TranslationChange Narrowed(std::size_t nFirst, std::size_t nOldEnd,
                               const StrokeChange& change) const;

    const CDictionaryCollection& m_dictionaries;
    CTranslator m_translator;
    CStandingList m_list;
    std::vector<SavedState> m_saved;
    std::size_t m_nStrokes = 0; ///< strokes when last translated
    std::size_t m_nLastRun = 0;
    TranslationBatch m_batch;
    TranslatorState m_scratch;
};

} // namespace translation
