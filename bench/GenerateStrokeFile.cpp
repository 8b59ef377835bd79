// Writes a large stroke file in the writer's own form for benchmarks:
//   quillmark-bench-generate OUT COUNT [SEED] [dense]
// Strokes hold varied keys, per-key values (odd for the keys pressed, now and
// then even for a key the writer marked), per-key
// file times of real magnitude, and times rising through one local day.
// Dense strokes are the reader's worst case: every one of the 24 values is a
// random 16-bit number and both halves of every key time random 32-bit ones.
#include "base/FileException.h"
#include "base/LocalTime.h"
#include "rtfcre/RTFCREWriter.h"
#include "rtfcre/SystemLine.h"
#include "steno/StenoEncoder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>

namespace {

constexpr int kYear = 2024;
constexpr int kMonth = 5;
constexpr int kDay = 3;
constexpr std::int64_t kDaySpan = 15 * 3600;         // 08:00 to 23:00
constexpr std::int64_t kFileTimeEpoch = 11644473600; // 1601 to 1970, seconds
constexpr std::int64_t kFileTicksPerSecond = 10000000;

/// Draws one stroke's keys: mostly a few keys, now and then the number bar or many keys.
steno::KeyBits DrawKeys(std::mt19937_64& random)
{
    std::uniform_int_distribution<int> keyCount(1, 7);
    std::uniform_int_distribution<int> keyIndex(steno::kKeyLeftS, steno::kKeyCount - 1);
    steno::KeyBits keys = 0;
    for (int n = keyCount(random); n > 0; --n)
        keys |= steno::KeyBit(keyIndex(random));
    if (random() % 40 == 0)
        keys |= steno::KeyBit(steno::kKeyNumberBar);
    return keys;
}

class CStrokeSource
{
public:
    CStrokeSource(std::uint64_t nSeed, bool bDense) : m_random(nSeed), m_bDense(bDense) {}

    CStenoStroke Next(std::int64_t time)
    {
        CStenoStroke stroke;
        stroke.m_time = time;
        stroke.m_keys = DrawKeys(m_random);
        stroke.m_rawKeys = m_random() % 25 == 0 ? DrawKeys(m_random) : stroke.m_keys;
        if (m_bDense)
            FillDense(stroke);
        else
            FillKeyGroups(stroke);
        return stroke;
    }

private:
    void FillKeyGroups(CStenoStroke& stroke)
    {
        const std::int64_t nTicks = (stroke.m_time + kFileTimeEpoch) * kFileTicksPerSecond;
        for (int i = 0; i < steno::kKeyCount; ++i) {
            const bool bPressed = (stroke.m_rawKeys & steno::KeyBit(i)) != 0;
            stroke.m_keyValues[i] = KeyValue(bPressed);
            if (bPressed)
                m_lastPress[i] = nTicks + static_cast<std::int64_t>(m_random() % 2000000);
            stroke.m_keyTimes[i] = {static_cast<std::int32_t>(m_lastPress[i] & 0xFFFFFFFF),
                                    static_cast<std::int32_t>(m_lastPress[i] >> 32)};
        }
    }

    void FillDense(CStenoStroke& stroke)
    {
        for (int i = 0; i < steno::kKeyCount; ++i) {
            const std::uint64_t nTime = m_random();
            stroke.m_keyValues[i] = static_cast<std::uint16_t>(m_random() >> 48);
            stroke.m_keyTimes[i] = {static_cast<std::int32_t>(nTime & 0xFFFFFFFF),
                                    static_cast<std::int32_t>(nTime >> 32)};
        }
    }

    // A pressed key's value is odd; a non-zero even value marks it, and the
    // list greys such a key. Keys that are up carry even depths.
    std::uint16_t KeyValue(bool bPressed)
    {
        const auto nDepth = static_cast<std::uint16_t>(m_random() % 900);
        if (!bPressed)
            return static_cast<std::uint16_t>(nDepth & ~1);
        if (m_random() % 12 == 0)
            return static_cast<std::uint16_t>((nDepth | 2) & ~1);
        return static_cast<std::uint16_t>(nDepth | 1);
    }

    std::mt19937_64 m_random;
    bool m_bDense;
    std::int64_t m_lastPress[steno::kKeyCount] = {};
};

} // namespace

int main(int argc, char** argv)
{
    const bool bDense = argc == 5 && std::string_view(argv[4]) == "dense";
    if (argc < 3 || argc > 5 || (argc == 5 && !bDense)) {
        std::fputs("Usage: quillmark-bench-generate OUT COUNT [SEED] [dense]\n", stderr);
        return 2;
    }
    const long long nCount = std::atoll(argv[2]);
    const std::uint64_t nSeed = argc >= 4 ? std::strtoull(argv[3], nullptr, 10) : 1;
    const std::int64_t nStart = base::MakeLocalTime(kYear, kMonth, kDay, 8, 0, 0);
    CStrokeSource source(nSeed, bDense);
    const CStenoEncoder encoder;
    try {
        CRTFCREWriter writer;
        writer.Open(argv[1]);
        writer.WriteHeader(rtfcre::kSystemName, rtfcre::kSystemText, nStart);
        for (long long i = 0; i < nCount; ++i) {
            const CStenoStroke stroke = source.Next(nStart + i * kDaySpan / std::max(nCount, 1LL));
            writer.WriteStroke(encoder.KeysToSteno(stroke.m_keys),
                               encoder.KeysToSteno(stroke.m_rawKeys), stroke.m_time,
                               stroke.m_keyValues, stroke.m_keyTimes);
        }
        writer.Finish();
    } catch (const CFileException& error) {
        std::fprintf(stderr, "Failed to save file '%s': %s\n", argv[1], error.what());
        return 1;
    }
    return 0;
}
