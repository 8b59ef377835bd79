#pragma once
// One dictionary's entries in one compact hash from outlines to text: every entry
// is a record (stroke count, strokes of three bytes, text length, text) in one
// byte array, found through an open-addressing index of 16-byte slots, so a
// dictionary of 150,000 entries holds about a third more than its JSON file.
// A slot holds the first three strokes of its outline, so a look-up of an
// outline of up to three strokes (nine in ten) never reads a record.

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

    /// The entry of the outline whose OutlineHash is nHash; an entry with an
    /// empty text counts as none.
    std::optional<EntryId> Find(const steno::KeyBits* pStrokes, std::size_t nStrokes,
                                std::uint64_t nHash) const;
    std::string_view Text(EntryId nEntry) const;
    /// The entry's outline, appended to strokes.
    void AppendOutline(EntryId nEntry, std::vector<steno::KeyBits>& strokes) const;

    std::size_t Count() const { return m_tables[0].nCount + m_tables[1].nCount; }
    std::size_t LongestOutline() const { return m_nLongest; }
    /// Bytes the dictionary holds on the heap.
    std::size_t MemoryBytes() const;

    /// Calls visit(EntryId) once for every entry (empty ones too), in no particular order.
    template <typename Visit> void ForEach(Visit visit) const
    {
        for (const Table& table : m_tables)
            for (const Slot& slot : table.cells)
                if (slot.nHead != 0)
                    visit(static_cast<EntryId>(slot.nTail & 0xFFFFFFFF));
    }

private:
    /// nHead: the first two strokes, the stroke count and an empty-text bit;
    /// nTail: the record's offset, the third stroke and 8 bits of the hash.
    /// nHead is 0 in a free slot (a stroke is never without keys).
    struct Slot
    {
        std::uint64_t nHead = 0;
        std::uint64_t nTail = 0;
    };

    /// One-stroke outlines have a table of their own: the look-up of a stroke on
    /// its own, the commonest, then reads a table small enough to stay in cache.
    struct Table
    {
        std::vector<Slot> cells; ///< not "slots", which is a macro where Qt is included
        std::size_t nCount = 0;
    };

    Table& TableFor(std::size_t nStrokes) { return m_tables[nStrokes > 1 ? 1 : 0]; }
    const Table& TableFor(std::size_t nStrokes) const { return m_tables[nStrokes > 1 ? 1 : 0]; }
    static Slot KeyOf(const steno::KeyBits* pStrokes, std::size_t nStrokes, std::uint64_t nHash);
    const Slot* SlotOf(const steno::KeyBits* pStrokes, std::size_t nStrokes,
                       std::uint64_t nHash) const;
    static std::size_t HomeSlot(const Table& table, std::uint64_t nHash);
    bool Matches(EntryId nEntry, const steno::KeyBits* pStrokes, std::size_t nStrokes) const;
    std::uint64_t RecordHash(EntryId nEntry) const;
    void Rehash(Table& table, std::size_t nSlots) const;
    static void Place(Table& table, const Slot& slot, std::uint64_t nHash);

    std::vector<std::uint8_t> m_records;
    Table m_tables[2];
    std::size_t m_nLongest = 0;
};

} // namespace translation
