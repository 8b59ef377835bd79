#pragma once
// The standing translations of a document in stroke order, kept in chunks of
// about a thousand, each chunk counting its stroke positions from its own start:
// a change in the middle of a million strokes rewrites a chunk or two and moves
// the chunks after it by adding to their starts.

#include "translation/StandingTranslation.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace translation {

class CStandingList
{
public:
    /// The translation that holds a stroke, and whether the stroke is its first.
    struct Cover
    {
        std::size_t nTranslation = 0;
        bool bFirst = false;
    };

    std::size_t Count() const { return m_starts.empty() ? 0 : m_starts.back(); }
    /// The translation at nIndex, its strokes as document positions.
    StandingTranslation At(std::size_t nIndex) const;
    /// Appends the positions of the translation's strokes.
    void AppendPositions(std::size_t nIndex, std::vector<std::uint32_t>& positions) const;
    /// The translation holding stroke nStroke; none for a stroke that was taken
    /// back, that the * taking it back was, or that has no keys.
    std::optional<Cover> CoverOf(std::uint32_t nStroke) const;
    /// The first translation starting at or after nStroke; Count() when none does.
    std::size_t FirstFrom(std::uint32_t nStroke) const;
    /// The first untranslated translation at or after nIndex.
    std::optional<std::size_t> NextUntranslated(std::size_t nIndex) const;

    /// Puts the batch's translations in place of [nFirst, nEnd); the strokes of
    /// those after move by nShift.
    void Replace(std::size_t nFirst, std::size_t nEnd, const TranslationBatch& batch,
                 std::int64_t nShift);
    std::size_t MemoryBytes() const;

private:
    struct Chunk
    {
        std::uint32_t nBase = 0; ///< the first stroke of its first translation
        std::vector<StandingTranslation> items;
        std::vector<std::uint32_t> positions; ///< of its translations with gaps
        std::uint32_t nUntranslated = 0;
    };

    std::size_t ChunkOf(std::size_t nIndex) const;
    /// The chunk whose translations start at or before nStroke, if any.
    std::optional<std::size_t> ChunkAt(std::uint32_t nStroke) const;
    TranslationBatch Gathered(std::size_t nFirst, std::size_t nEnd, const TranslationBatch& batch,
                              std::int64_t nShift, std::size_t nChunkFirst,
                              std::size_t nChunkEnd) const;
    void AppendAbsolute(const Chunk& chunk, std::size_t nFrom, std::size_t nTo, std::int64_t nShift,
                        TranslationBatch& out) const;
    static void BuildChunks(const TranslationBatch& batch, std::vector<Chunk>& chunks);
    void CountStarts();

    std::vector<Chunk> m_chunks;
    std::vector<std::size_t> m_starts; ///< index of each chunk's first translation, then the count
};

} // namespace translation
