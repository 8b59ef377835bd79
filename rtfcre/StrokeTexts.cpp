#include "rtfcre/StrokeTexts.h"

#include "base/NumberList.h"
#include "base/TextNumbers.h"
#include "steno/StenoEncoder.h"

#include <algorithm>
#include <array>

using base::ParseStrToInt;

namespace {

/// Skips a run of separator characters.
const char* Skip(const char* p, const char* end, char separator)
{
    while (p != end && *p == separator)
        ++p;
    return p;
}

/// Moves to the next stop or separator character.
const char* SkipTo(const char* p, const char* end, char stop, char separator)
{
    while (p != end && *p != stop && *p != separator)
        ++p;
    return p;
}

/// The parts of one pair token, split at runs of commas; the token ends at a
/// blank. Parts after the second are skipped.
const char* ParsePair(const char* p, const char* end, KeyTime& keyTime)
{
    for (int nPart = 0;; ++nPart) {
        p = Skip(p, end, ',');
        if (p == end || *p == ' ')
            return p;
        if (nPart < 2)
            (nPart == 0 ? keyTime.nLow : keyTime.nHigh) = ParseStrToInt(p, end);
        p = SkipTo(p, end, ' ', ',');
    }
}

} // namespace

void ParseKeyValues(std::string_view text, KeyValues& keyValues)
{
    std::array<std::int32_t, steno::kKeyCount> values;
    if (base::ParseStrToIntList(text, values.data(), values.size(), ' ', ' ')) {
        std::transform(values.begin(), values.end(), keyValues.begin(),
                       [](std::int32_t nValue) { return static_cast<std::uint16_t>(nValue); });
        return;
    }
    const char* p = text.data();
    const char* end = p + text.size();
    for (std::uint16_t& nValue : keyValues) {
        p = Skip(p, end, ' ');
        if (p == end)
            return;
        nValue = static_cast<std::uint16_t>(ParseStrToInt(p, end));
        p = SkipTo(p, end, ' ', ' ');
    }
}

void ParseKeyTimes(std::string_view text, KeyTimes& keyTimes)
{
    std::array<std::int32_t, 2 * steno::kKeyCount> halves;
    if (base::ParseStrToIntList(text, halves.data(), halves.size(), ',', ' ')) {
        for (std::size_t i = 0; i < keyTimes.size(); ++i)
            keyTimes[i] = {halves[2 * i], halves[2 * i + 1]};
        return;
    }
    const char* p = text.data();
    const char* end = p + text.size();
    for (KeyTime& keyTime : keyTimes) {
        p = Skip(p, end, ' ');
        if (p == end)
            return;
        p = ParsePair(p, end, keyTime);
    }
}

void ParseStrokeTexts(const StrokeTexts& texts, CStenoStroke& stroke)
{
    const CStenoEncoder encoder;
    stroke.m_time = texts.time;
    stroke.m_keys = encoder.StenoToKeys(texts.steno);
    // The raw text mostly repeats the steno text: the same text gives the same keys.
    const bool bSameKeys = texts.raw.empty() || texts.raw == texts.steno;
    stroke.m_rawKeys = bSameKeys ? stroke.m_keys : encoder.StenoToKeys(texts.raw);
    stroke.m_keyValues.fill(0);
    ParseKeyValues(texts.values, stroke.m_keyValues);
    stroke.m_keyTimes.fill(KeyTime{});
    ParseKeyTimes(texts.pairs, stroke.m_keyTimes);
}
