#include "translation/StenoDictionary.h"

#include "translation/OutlineHash.h"

#include <stdexcept>

namespace translation {

namespace {

constexpr std::size_t kStrokeBytes = 3;
constexpr std::size_t kFirstSlots = 1024;
constexpr std::uint64_t kOffsetMask = 0xFFFFFFFF;
constexpr int kCountShift = 48;
constexpr std::uint64_t kEmptyText = std::uint64_t{1} << 56;
constexpr std::size_t kStrokesInSlot = 3;

steno::KeyBits ReadStroke(const std::uint8_t* p)
{
    return steno::KeyBits{p[0]} | steno::KeyBits{p[1]} << 8 | steno::KeyBits{p[2]} << 16;
}

/// A LEB128 length: seven bits a byte, low bits first.
void PutLength(std::vector<std::uint8_t>& bytes, std::size_t nLength)
{
    while (nLength >= 0x80) {
        bytes.push_back(static_cast<std::uint8_t>(nLength | 0x80));
        nLength >>= 7;
    }
    bytes.push_back(static_cast<std::uint8_t>(nLength));
}

std::size_t GetLength(const std::uint8_t*& p)
{
    std::size_t nLength = 0;
    for (int nShift = 0;; nShift += 7) {
        const std::uint8_t byte = *p++;
        nLength |= std::size_t{byte & 0x7Fu} << nShift;
        if ((byte & 0x80) == 0)
            return nLength;
    }
}

} // namespace

bool CStenoDictionary::Add(std::span<const steno::KeyBits> outline, std::string_view text)
{
    if (outline.empty() || outline.size() > kMaxStrokes)
        return false;
    const std::size_t nOffset = m_records.size();
    if (nOffset + 1 > kOffsetMask)
        throw std::length_error("dictionary too large");
    m_records.push_back(static_cast<std::uint8_t>(outline.size()));
    for (steno::KeyBits stroke : outline) {
        m_records.push_back(static_cast<std::uint8_t>(stroke));
        m_records.push_back(static_cast<std::uint8_t>(stroke >> 8));
        m_records.push_back(static_cast<std::uint8_t>(stroke >> 16));
    }
    PutLength(m_records, text.size());
    m_records.insert(m_records.end(), text.begin(), text.end());

    const std::uint64_t nHash = OutlineHash(outline.data(), outline.size());
    Slot slot = KeyOf(outline.data(), outline.size(), nHash);
    slot.nHead |= text.empty() ? kEmptyText : 0;
    slot.nTail |= nOffset;
    Table& table = TableFor(outline.size());
    if (table.cells.empty())
        Rehash(table, kFirstSlots);
    // A later entry for the same outline takes over its slot; the earlier record
    // stays behind unused.
    if (const Slot* pFound = SlotOf(outline.data(), outline.size(), nHash)) {
        table.cells[static_cast<std::size_t>(pFound - table.cells.data())] = slot;
        return true;
    }
    if ((table.nCount + 1) * 10 > table.cells.size() * 7)
        Rehash(table, table.cells.size() * 2);
    Place(table, slot, nHash);
    ++table.nCount;
    m_nLongest = std::max(m_nLongest, outline.size());
    return true;
}

void CStenoDictionary::Finish()
{
    // Four slots for every three entries keeps probes short at a quarter of the room.
    for (Table& table : m_tables)
        Rehash(table, std::max<std::size_t>(table.nCount + table.nCount / 3 + 1, 2));
    m_records.shrink_to_fit();
}

std::optional<CStenoDictionary::EntryId> CStenoDictionary::Find(const steno::KeyBits* pStrokes,
                                                                std::size_t nStrokes,
                                                                std::uint64_t nHash) const
{
    const Slot* pSlot = SlotOf(pStrokes, nStrokes, nHash);
    if (pSlot == nullptr || (pSlot->nHead & kEmptyText) != 0)
        return std::nullopt;
    return static_cast<EntryId>(pSlot->nTail & kOffsetMask);
}

const CStenoDictionary::Slot* CStenoDictionary::SlotOf(const steno::KeyBits* pStrokes,
                                                       std::size_t nStrokes,
                                                       std::uint64_t nHash) const
{
    const Table& table = TableFor(nStrokes);
    if (table.cells.empty())
        return nullptr;
    const Slot key = KeyOf(pStrokes, nStrokes, nHash);
    for (std::size_t i = HomeSlot(table, nHash);; i = i + 1 == table.cells.size() ? 0 : i + 1) {
        const Slot& slot = table.cells[i];
        if (slot.nHead == 0)
            return nullptr;
        if ((slot.nHead & ~kEmptyText) != key.nHead || (slot.nTail & ~kOffsetMask) != key.nTail)
            continue;
        if (nStrokes <= kStrokesInSlot ||
            Matches(static_cast<EntryId>(slot.nTail & kOffsetMask), pStrokes, nStrokes))
            return &slot;
    }
}

std::string_view CStenoDictionary::Text(EntryId nEntry) const
{
    const std::uint8_t* p = m_records.data() + nEntry;
    p += 1 + *p * kStrokeBytes;
    const std::size_t nLength = GetLength(p);
    return {reinterpret_cast<const char*>(p), nLength};
}

void CStenoDictionary::AppendOutline(EntryId nEntry, std::vector<steno::KeyBits>& strokes) const
{
    const std::uint8_t* p = m_records.data() + nEntry;
    const std::size_t nStrokes = *p++;
    for (std::size_t i = 0; i < nStrokes; ++i, p += kStrokeBytes)
        strokes.push_back(ReadStroke(p));
}

std::size_t CStenoDictionary::MemoryBytes() const
{
    return m_records.capacity() +
           (m_tables[0].cells.capacity() + m_tables[1].cells.capacity()) * sizeof(Slot);
}

CStenoDictionary::Slot CStenoDictionary::KeyOf(const steno::KeyBits* pStrokes, std::size_t nStrokes,
                                               std::uint64_t nHash)
{
    const auto stroke = [&](std::size_t i) {
        return i < nStrokes ? std::uint64_t{pStrokes[i]} : std::uint64_t{0};
    };
    Slot key;
    key.nHead = stroke(0) | stroke(1) << 24 | std::uint64_t{nStrokes} << kCountShift;
    key.nTail = stroke(2) << 32 | (nStrokes > kStrokesInSlot ? (nHash >> 56) << 56 : 0);
    return key;
}

std::size_t CStenoDictionary::HomeSlot(const Table& table, std::uint64_t nHash)
{
    // The low half of the hash scaled to the table: no power-of-two size needed.
    return static_cast<std::size_t>(((nHash & kOffsetMask) * table.cells.size()) >> 32);
}

bool CStenoDictionary::Matches(EntryId nEntry, const steno::KeyBits* pStrokes,
                               std::size_t nStrokes) const
{
    const std::uint8_t* p = m_records.data() + nEntry;
    if (*p++ != nStrokes)
        return false;
    for (std::size_t i = 0; i < nStrokes; ++i, p += kStrokeBytes)
        if (ReadStroke(p) != pStrokes[i])
            return false;
    return true;
}

std::uint64_t CStenoDictionary::RecordHash(EntryId nEntry) const
{
    const std::uint8_t* p = m_records.data() + nEntry;
    const std::size_t nStrokes = *p++;
    std::uint64_t nHash = kOutlineHashSeed;
    for (std::size_t i = nStrokes; i > 0; --i)
        nHash = ExtendOutlineHash(nHash, ReadStroke(p + (i - 1) * kStrokeBytes));
    return nHash;
}

void CStenoDictionary::Rehash(Table& table, std::size_t nSlots) const
{
    std::vector<Slot> old(nSlots);
    old.swap(table.cells);
    for (const Slot& slot : old) {
        if (slot.nHead != 0)
            Place(table, slot, RecordHash(static_cast<EntryId>(slot.nTail & kOffsetMask)));
    }
}

void CStenoDictionary::Place(Table& table, const Slot& slot, std::uint64_t nHash)
{
    std::size_t i = HomeSlot(table, nHash);
    while (table.cells[i].nHead != 0)
        i = i + 1 == table.cells.size() ? 0 : i + 1;
    table.cells[i] = slot;
}

} // namespace translation
