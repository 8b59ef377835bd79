#pragma once
// Strokes written from a dictionary's outlines, shared by the translation
// benchmark and the stroke-file generator: whole outlines one after another,
// now and then a stray stroke that no outline holds, a * taking the last
// translation back, a few of them or a hundred and more; and stroke records for keys, with the
// per-key values and times a writer stores and now and then a marked key.

#include "steno/StenoStroke.h"
#include "translation/StenoDictionary.h"

#include <cstdint>
#include <random>
#include <vector>

namespace bench {

class COutlineStrokes
{
public:
    COutlineStrokes(const translation::CStenoDictionary& dictionary, std::uint64_t nSeed)
        : m_dictionary(dictionary), m_random(nSeed)
    {
        dictionary.ForEach([&](translation::CStenoDictionary::EntryId nEntry) {
            if (!dictionary.Text(nEntry).empty())
                m_entries.push_back(nEntry);
        });
    }

    /// Appends strokes until keys holds nCount.
    void Append(std::size_t nCount, std::vector<steno::KeyBits>& keys)
    {
        std::vector<steno::KeyBits> outline;
        while (keys.size() < nCount) {
            const auto nDraw = m_random() % 2000;
            if (nDraw < 60) {
                keys.push_back(Stray());
            } else if (nDraw < 120) {
                keys.insert(keys.end(), 1 + m_random() % 3, steno::KeyBit(steno::kKeyStar));
            } else if (nDraw < 121) {
                // A run of * past the reach of undo.
                keys.insert(keys.end(), 100 + m_random() % 80, steno::KeyBit(steno::kKeyStar));
            } else {
                outline.clear();
                m_dictionary.AppendOutline(m_entries[m_random() % m_entries.size()], outline);
                keys.insert(keys.end(), outline.begin(), outline.end());
            }
        }
        keys.resize(nCount);
    }

private:
    /// Three to seven keys anywhere but the number bar and '@'.
    steno::KeyBits Stray()
    {
        steno::KeyBits keys = 0;
        for (auto n = 3 + m_random() % 5; n > 0; --n)
            keys |= steno::KeyBit(steno::kKeyLeftS + static_cast<int>(m_random() % 22));
        return keys;
    }

    const translation::CStenoDictionary& m_dictionary;
    std::mt19937_64 m_random;
    std::vector<translation::CStenoDictionary::EntryId> m_entries;
};

/// A stroke record as a writer stores one at nTime: the keys struck carry odd
/// depths and the file time they went down, a few milliseconds apart; keys left
/// up carry a small even depth of their own and no time. With bBrushed the key
/// after the first one struck was touched too lightly to count: the writer keeps
/// it in the raw stroke with an even depth (marked) and leaves it out of the keys.
inline CStenoStroke StrokeRecord(steno::KeyBits keys, std::int64_t nTime, bool bBrushed,
                                 std::mt19937_64& random)
{
    constexpr std::int64_t kFileTimeEpoch = 11644473600; // 1601 to 1970, seconds
    constexpr std::int64_t kTicksPerSecond = 10000000;
    constexpr std::int64_t kTicksPerMillisecond = 10000;
    CStenoStroke stroke;
    stroke.m_time = nTime;
    stroke.m_keys = keys;
    stroke.m_rawKeys = keys;
    for (int i = 0; bBrushed && i + 1 < steno::kKeyCount; ++i) {
        if ((keys & steno::KeyBit(i)) != 0 && (keys & steno::KeyBit(i + 1)) == 0) {
            stroke.m_rawKeys |= steno::KeyBit(i + 1);
            break;
        }
    }
    const std::int64_t nTicks = (nTime + kFileTimeEpoch) * kTicksPerSecond +
                                static_cast<std::int64_t>(random() % 900) * kTicksPerMillisecond;
    for (int i = 0; i < steno::kKeyCount; ++i) {
        auto& nValue = stroke.m_keyValues[static_cast<std::size_t>(i)];
        const auto nDepth = static_cast<std::uint16_t>(101 + random() % 800);
        if ((stroke.m_rawKeys & steno::KeyBit(i)) == 0) {
            nValue = static_cast<std::uint16_t>(random() % 31 * 2);
            continue;
        }
        const bool bStruck = (keys & steno::KeyBit(i)) != 0;
        nValue = static_cast<std::uint16_t>(bStruck ? nDepth | 1u : nDepth & ~1u);
        const std::int64_t nDown =
            nTicks + static_cast<std::int64_t>(random() % 40) * kTicksPerMillisecond;
        stroke.m_keyTimes[static_cast<std::size_t>(i)] = {
            static_cast<std::int32_t>(nDown & 0xFFFFFFFF), static_cast<std::int32_t>(nDown >> 32)};
    }
    return stroke;
}

} // namespace bench
