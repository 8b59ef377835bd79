#include "translation/StenoDictionary.h"

#include "translation/OutlineHash.h"

#include <stdexcept>

namespace translation {

namespace {

constexpr std::size_t kStrokeBytes = 3;
constexpr std::size_t kFirstSlots = 1024;
constexpr std::uint64_t kOffsetMask = 0xFFFFFFFF;

std::uint64_t Fingerprint(std::uint64_t nHash)
{
    return nHash & ~kOffsetMask;
}

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
    const std::uint64_t nValue = Fingerprint(nHash) | (nOffset + 1);
    if (m_slots.empty())
        Rehash(kFirstSlots);
    // A later entry for the same outline takes over its slot; the earlier record
    // stays behind unused.
    for (std::size_t i = HomeSlot(nHash);; i = i + 1 == m_slots.size() ? 0 : i + 1) {
        if (m_slots[i] == 0)
            break;
        if (Fingerprint(m_slots[i]) == Fingerprint(nHash) &&
            Matches(static_cast<EntryId>((m_slots[i] & kOffsetMask) - 1), outline.data(),
                    outline.size())) {
            m_slots[i] = nValue;
            return true;
        }
    }
    if ((m_nCount + 1) * 10 > m_slots.size() * 7)
        Rehash(m_slots.size() * 2);
    Place(nValue, nHash);
    ++m_nCount;
    m_nLongest = std::max(m_nLongest, outline.size());
    return true;
}

void CStenoDictionary::Finish()
{
    // Two slots for every three entries keeps probes short at a third of the room.
    Rehash(std::max<std::size_t>(m_nCount + m_nCount / 2 + 1, 2));
    m_records.shrink_to_fit();
}

std::optional<CStenoDictionary::EntryId> CStenoDictionary::Find(const steno::KeyBits* pStrokes,
                                                                std::size_t nStrokes,
                                                                std::uint64_t nHash) const
{
    if (m_slots.empty())
        return std::nullopt;
    for (std::size_t i = HomeSlot(nHash);; i = i + 1 == m_slots.size() ? 0 : i + 1) {
        const std::uint64_t nSlot = m_slots[i];
        if (nSlot == 0)
            return std::nullopt;
        if (Fingerprint(nSlot) != Fingerprint(nHash))
            continue;
        const auto nEntry = static_cast<EntryId>((nSlot & kOffsetMask) - 1);
        if (Matches(nEntry, pStrokes, nStrokes))
            return nEntry;
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
    return m_records.capacity() + m_slots.capacity() * sizeof(std::uint64_t);
}

std::size_t CStenoDictionary::HomeSlot(std::uint64_t nHash) const
{
    // The low half of the hash scaled to the table: no power-of-two size needed.
    return static_cast<std::size_t>(((nHash & kOffsetMask) * m_slots.size()) >> 32);
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

void CStenoDictionary::Rehash(std::size_t nSlots)
{
    std::vector<std::uint64_t> old(nSlots, 0);
    old.swap(m_slots);
    for (std::uint64_t nSlot : old) {
        if (nSlot != 0)
            Place(nSlot, RecordHash(static_cast<EntryId>((nSlot & kOffsetMask) - 1)));
    }
}

void CStenoDictionary::Place(std::uint64_t nSlotValue, std::uint64_t nHash)
{
    std::size_t i = HomeSlot(nHash);
    while (m_slots[i] != 0)
        i = i + 1 == m_slots.size() ? 0 : i + 1;
    m_slots[i] = nSlotValue;
}

} // namespace translation
