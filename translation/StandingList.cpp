#include "translation/StandingList.h"

#include <algorithm>

namespace translation {

namespace {

constexpr std::size_t kChunkSize = 1024;

} // namespace

StandingTranslation CStandingList::At(std::size_t nIndex) const
{
    const std::size_t nChunk = ChunkOf(nIndex);
    const Chunk& chunk = m_chunks[nChunk];
    StandingTranslation translation = chunk.items[nIndex - m_starts[nChunk]];
    translation.nFirst += chunk.nBase;
    translation.nLast += chunk.nBase;
    translation.nPositions = kContiguous;
    return translation;
}

void CStandingList::AppendPositions(std::size_t nIndex, std::vector<std::uint32_t>& positions) const
{
    const std::size_t nChunk = ChunkOf(nIndex);
    const Chunk& chunk = m_chunks[nChunk];
    const StandingTranslation& item = chunk.items[nIndex - m_starts[nChunk]];
    for (std::uint32_t i = 0; i < item.nStrokes; ++i) {
        positions.push_back(chunk.nBase + (item.IsContiguous()
                                               ? item.nFirst + i
                                               : chunk.positions[item.nPositions + i]));
    }
}

std::optional<CStandingList::Cover> CStandingList::CoverOf(std::uint32_t nStroke) const
{
    const auto nChunk = ChunkAt(nStroke);
    if (!nChunk)
        return std::nullopt;
    const Chunk& chunk = m_chunks[*nChunk];
    const std::uint32_t nOffset = nStroke - chunk.nBase;
    const auto item = std::upper_bound(chunk.items.begin(), chunk.items.end(), nOffset,
                                       [](std::uint32_t n, const StandingTranslation& t) {
                                           return n < t.nFirst;
                                       }) -
                      1;
    if (nOffset > item->nLast)
        return std::nullopt;
    const Cover cover{m_starts[*nChunk] + static_cast<std::size_t>(item - chunk.items.begin()),
                      nOffset == item->nFirst};
    if (item->IsContiguous())
        return cover;
    const auto first = chunk.positions.begin() + item->nPositions;
    if (!std::binary_search(first, first + item->nStrokes, nOffset))
        return std::nullopt;
    return cover;
}

std::size_t CStandingList::FirstFrom(std::uint32_t nStroke) const
{
    const auto nChunk = ChunkAt(nStroke);
    if (!nChunk)
        return 0;
    const Chunk& chunk = m_chunks[*nChunk];
    const auto item = std::lower_bound(
        chunk.items.begin(), chunk.items.end(), nStroke - chunk.nBase,
        [](const StandingTranslation& t, std::uint32_t n) { return t.nFirst < n; });
    return m_starts[*nChunk] + static_cast<std::size_t>(item - chunk.items.begin());
}

std::optional<std::size_t> CStandingList::NextUntranslated(std::size_t nIndex) const
{
    for (std::size_t nChunk = nIndex < Count() ? ChunkOf(nIndex) : m_chunks.size();
         nChunk < m_chunks.size(); ++nChunk) {
        const Chunk& chunk = m_chunks[nChunk];
        if (chunk.nUntranslated == 0)
            continue;
        for (std::size_t i = std::max(nIndex, m_starts[nChunk]) - m_starts[nChunk];
             i < chunk.items.size(); ++i)
            if (!chunk.items[i].IsTranslated())
                return m_starts[nChunk] + i;
    }
    return std::nullopt;
}

void CStandingList::Replace(std::size_t nFirst, std::size_t nEnd, const TranslationBatch& batch,
                            std::int64_t nShift)
{
    // The chunks that hold [nFirst, nEnd) are built again with what they keep around it.
    std::size_t nChunkFirst = 0;
    std::size_t nChunkEnd = 0;
    if (!m_chunks.empty()) {
        nChunkFirst = nFirst < Count() ? ChunkOf(nFirst) : m_chunks.size() - 1;
        nChunkEnd = nEnd < Count() ? ChunkOf(nEnd) + 1 : m_chunks.size();
    }
    std::vector<Chunk> rebuilt;
    BuildChunks(Gathered(nFirst, nEnd, batch, nShift, nChunkFirst, nChunkEnd), rebuilt);
    for (auto chunk = m_chunks.begin() + static_cast<std::ptrdiff_t>(nChunkEnd);
         chunk != m_chunks.end(); ++chunk)
        chunk->nBase = static_cast<std::uint32_t>(chunk->nBase + nShift);
    m_chunks.erase(m_chunks.begin() + static_cast<std::ptrdiff_t>(nChunkFirst),
                   m_chunks.begin() + static_cast<std::ptrdiff_t>(nChunkEnd));
    m_chunks.insert(m_chunks.begin() + static_cast<std::ptrdiff_t>(nChunkFirst),
                    std::make_move_iterator(rebuilt.begin()),
                    std::make_move_iterator(rebuilt.end()));
    CountStarts();
}

/// The translations of chunks [nChunkFirst, nChunkEnd) before nFirst, the
/// batch's, and theirs from nEnd on moved by nShift; positions absolute.
TranslationBatch CStandingList::Gathered(std::size_t nFirst, std::size_t nEnd,
                                         const TranslationBatch& batch, std::int64_t nShift,
                                         std::size_t nChunkFirst, std::size_t nChunkEnd) const
{
    TranslationBatch gathered;
    if (nChunkFirst < m_chunks.size())
        AppendAbsolute(m_chunks[nChunkFirst], 0, nFirst - m_starts[nChunkFirst], 0, gathered);
    const auto nOwn = static_cast<std::uint32_t>(gathered.positions.size());
    for (StandingTranslation translation : batch.translations) {
        if (translation.nPositions != kContiguous)
            translation.nPositions += nOwn;
        gathered.translations.push_back(translation);
    }
    gathered.positions.insert(gathered.positions.end(), batch.positions.begin(),
                              batch.positions.end());
    if (nEnd < Count()) {
        const Chunk& last = m_chunks[nChunkEnd - 1];
        AppendAbsolute(last, nEnd - m_starts[nChunkEnd - 1], last.items.size(), nShift, gathered);
    }
    return gathered;
}

std::size_t CStandingList::MemoryBytes() const
{
    std::size_t nBytes =
        m_chunks.capacity() * sizeof(Chunk) + m_starts.capacity() * sizeof(std::size_t);
    for (const Chunk& chunk : m_chunks)
        nBytes += chunk.items.capacity() * sizeof(StandingTranslation) +
                  chunk.positions.capacity() * sizeof(std::uint32_t);
    return nBytes;
}

std::size_t CStandingList::ChunkOf(std::size_t nIndex) const
{
    return static_cast<std::size_t>(std::upper_bound(m_starts.begin(), m_starts.end() - 1, nIndex) -
                                    m_starts.begin()) -
           1;
}

std::optional<std::size_t> CStandingList::ChunkAt(std::uint32_t nStroke) const
{
    const auto chunk =
        std::upper_bound(m_chunks.begin(), m_chunks.end(), nStroke,
                         [](std::uint32_t n, const Chunk& c) { return n < c.nBase; });
    if (chunk == m_chunks.begin())
        return std::nullopt;
    return static_cast<std::size_t>(chunk - m_chunks.begin()) - 1;
}

void CStandingList::AppendAbsolute(const Chunk& chunk, std::size_t nFrom, std::size_t nTo,
                                   std::int64_t nShift, TranslationBatch& out) const
{
    const auto nBase = static_cast<std::uint32_t>(chunk.nBase + nShift);
    for (std::size_t i = nFrom; i < nTo; ++i) {
        StandingTranslation translation = chunk.items[i];
        if (!translation.IsContiguous()) {
            const auto first = chunk.positions.begin() + translation.nPositions;
            translation.nPositions = static_cast<std::uint32_t>(out.positions.size());
            for (auto p = first; p != first + translation.nStrokes; ++p)
                out.positions.push_back(*p + nBase);
        }
        translation.nFirst += nBase;
        translation.nLast += nBase;
        out.translations.push_back(translation);
    }
}

void CStandingList::BuildChunks(const TranslationBatch& batch, std::vector<Chunk>& chunks)
{
    const auto& all = batch.translations;
    for (std::size_t nStart = 0; nStart < all.size(); nStart += kChunkSize) {
        Chunk& chunk = chunks.emplace_back();
        chunk.nBase = all[nStart].nFirst;
        const std::size_t nEnd = std::min(all.size(), nStart + kChunkSize);
        chunk.items.reserve(nEnd - nStart);
        for (std::size_t i = nStart; i < nEnd; ++i) {
            StandingTranslation translation = all[i];
            if (!translation.IsContiguous()) {
                const auto first = batch.positions.begin() + translation.nPositions;
                translation.nPositions = static_cast<std::uint32_t>(chunk.positions.size());
                for (auto p = first; p != first + translation.nStrokes; ++p)
                    chunk.positions.push_back(*p - chunk.nBase);
            }
            translation.nFirst -= chunk.nBase;
            translation.nLast -= chunk.nBase;
            chunk.nUntranslated += translation.IsTranslated() ? 0 : 1;
            chunk.items.push_back(translation);
        }
    }
}

void CStandingList::CountStarts()
{
    m_starts.clear();
    std::size_t nCount = 0;
    for (const Chunk& chunk : m_chunks) {
        m_starts.push_back(nCount);
        nCount += chunk.items.size();
    }
    m_starts.push_back(nCount);
}

} // namespace translation
