#include "statistics/KeyCounter.h"

#include "monitors/MonitorText.h"

namespace statistics {

namespace {

/// The number the monitor writes above a key: its stored value halved.
constexpr int ShownValue(int nValue)
{
    return nValue >> 1;
}

} // namespace

void CKeyCounter::Add(const CStenoStroke& stroke)
{
    ForEachKey(stroke.m_rawKeys, [&](int nKey) {
        const auto n = static_cast<std::size_t>(nKey);
        const std::uint16_t nValue = stroke.m_keyValues[n];
        ++m_nDown[n];
        if (steno::IsMarked(nValue))
            ++m_nMarked[n];
        if (monitors::ShowsValue(nValue))
            m_values[n].Add(ShownValue(nValue));
    });
}

KeyTable CKeyCounter::Finish() const
{
    KeyTable keys;
    for (std::size_t n = 0; n < keys.size(); ++n)
        keys[n] = {static_cast<int>(n), m_nDown[n], m_nMarked[n], m_values[n].Summary()};
    return keys;
}

} // namespace statistics
