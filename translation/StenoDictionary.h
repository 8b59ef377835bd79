#pragma once
// One dictionary's entries in one compact hash from outlines to text: every entry
// is a record (stroke count, strokes of three bytes, text length, text) in one
// byte array, found through an open-addressing index of record offsets, so a
// dictionary of 150,000 entries holds about as many bytes as its JSON file.

#include "steno/StenoKeys.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace translation {

class CStenoDictionary
{
public:
    /// Where an entry's record starts; stable once the dictionary is finished.
    using EntryId = std::uint32_t;
    static constexpr std::size_t kMaxStrokes = 255;

    /// Adds the entry, or replaces the text of an outline already there (the later
    /// entry wins, as when a JSON object names a key twice). An outline of more
    /// than kMaxStrokes strokes is refused: false.
    bool Add(std::span<const steno::KeyBits> outline, std::string_view text);
    /// Packs the index to its final size once every entry is in.
    void Finish();

    /// The entry of the outline whose OutlineHash is nHash; its text may be empty.
    std::optional<EntryId> Find(const steno::KeyBits* pStrokes, std::size_t nStrokes,
                                std::uint64_t nHash) const;
    std::string_view Text(EntryId nEntry) const;
    /// The entry's outline, appended to strokes.
    void AppendOutline(EntryId nEntry, std::vector<steno::KeyBits>& strokes) const;

    std::size_t Count() const { return m_nCount; }
    std::size_t LongestOutline() const { return m_nLongest; }
    /// Bytes the dictionary holds on the heap.
    std::size_t MemoryBytes() const;

    /// Calls visit(EntryId) once for every entry, in no particular order.
    template <typename Visit> void ForEach(Visit visit) const
    {
        for (std::uint64_t nSlot : m_slots)
            if (nSlot != 0)
                visit(static_cast<EntryId>((nSlot & 0xFFFFFFFF) - 1));
    }

private:
    std::size_t HomeSlot(std::uint64_t nHash) const;
    bool Matches(EntryId nEntry, const steno::KeyBits* pStrokes, std::size_t nStrokes) const;
    std::uint64_t RecordHash(EntryId nEntry) const;
    void Rehash(std::size_t nSlots);
    void Place(std::uint64_t nSlotValue, std::uint64_t nHash);

    std::vector<std::uint8_t> m_records;
    std::vector<std::uint64_t> m_slots; ///< hash bits above 32, record offset + 1 below; 0 empty
    std::size_t m_nCount = 0;
    std::size_t m_nLongest = 0;
};

} // namespace translation
