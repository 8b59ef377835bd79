#pragma once
// The time field's state and key arithmetic: the time it holds, the active
// field (hour, minute, second, AM/PM) and which digit the next typed digit
// replaces. Every change rebuilds the time from its local parts, so the C
// library decides daylight saving time.

#include "platform/core/VirtualKeys.h"

#include <cstdint>

namespace fields {

inline constexpr int kHourField = 0;
inline constexpr int kMinuteField = 1;
inline constexpr int kSecondField = 2;
inline constexpr int kAmPmField = 3;
/// The hour field shows 0 to 11; AM/PM tells the halves of the day apart.
inline constexpr int kHalfDay = 12;

class CTimeFieldState
{
public:
    std::int64_t Time() const { return m_time; }
    /// Keeps the active field and digit: they carry over from one time to the next.
    void SetTime(std::int64_t time) { m_time = time; }
    int Field() const { return m_nField; }
    int Digit() const { return m_nDigit; }

    /// A time of 0 is not set yet; the field shows the current time instead.
    void TakeTimeIfUnset(std::int64_t now);

    /// A key-down other than the notices of FieldNotice.h. Returns whether the
    /// field swallows it: the arrows are swallowed; digits act and go on, like
    /// every other key, to the owner.
    bool KeyDown(const platform::KeyInput& key);
    /// Whether KeyDown swallows the key: the four arrows without Alt.
    static bool Swallows(const platform::KeyInput& key);

private:
    struct Parts;

    void MoveField(int nStep);
    void Step(Parts& parts, int nStep);
    void TypeDigit(Parts& parts, int nDigit);
    void Rebuild(const Parts& parts);

    std::int64_t m_time = 0;
    int m_nField = kHourField;
    int m_nDigit = 0;
};

} // namespace fields
