#include "fields/TimeFieldState.h"

#include "base/LocalTime.h"

#include <algorithm>
#include <ctime>

namespace fields {

// The local date and time of day, with the hour as shown: 0 to 11 and AM/PM.
struct CTimeFieldState::Parts
{
    std::tm date{};
    int nHour = 0; ///< 0 to 11
    bool bPm = false;
    int nMinute = 0;
    int nSecond = 0;
};

namespace {

constexpr int kMaxHour = 11;
constexpr int kMaxMinute = 59;

int Wrap(int nValue, int nStep, int nCount)
{
    return (nValue + nStep + nCount) % nCount;
}

} // namespace

void CTimeFieldState::TakeTimeIfUnset(std::int64_t now)
{
    if (m_time == 0)
        m_time = now;
}

bool CTimeFieldState::KeyDown(const platform::KeyInput& key)
{
    if (key.bAlt)
        return false;
    const int nKey = key.nVirtualKey;
    if (nKey == platform::kVkLeft || nKey == platform::kVkRight) {
        MoveField(nKey == platform::kVkLeft ? -1 : 1);
        return true;
    }
    const bool bStep = nKey == platform::kVkUp || nKey == platform::kVkDown;
    const bool bDigit = nKey >= platform::kVk0 && nKey <= platform::kVk0 + 9;
    std::tm fields{};
    if ((!bStep && !bDigit) || !base::ToLocalFields(m_time, fields))
        return bStep;
    Parts parts{fields, fields.tm_hour % kHalfDay, fields.tm_hour >= kHalfDay, fields.tm_min,
                fields.tm_sec};
    if (bStep)
        Step(parts, nKey == platform::kVkUp ? 1 : -1);
    else
        TypeDigit(parts, nKey - platform::kVk0);
    Rebuild(parts);
    return bStep;
}

bool CTimeFieldState::Swallows(const platform::KeyInput& key)
{
    return !key.bAlt && key.nVirtualKey >= platform::kVkLeft &&
           key.nVirtualKey <= platform::kVkDown;
}

void CTimeFieldState::MoveField(int nStep)
{
    m_nField = std::clamp(m_nField + nStep, kHourField, kAmPmField);
    m_nDigit = 0;
}

// Up and Down wrap within the field and never carry into the next one; Down
// leaves AM/PM alone.
void CTimeFieldState::Step(Parts& parts, int nStep)
{
    if (nStep > 0 || m_nField != kAmPmField)
        m_nDigit = 0;
    switch (m_nField) {
    case kHourField:
        parts.nHour = Wrap(parts.nHour, nStep, kHalfDay);
        return;
    case kMinuteField:
        parts.nMinute = Wrap(parts.nMinute, nStep, kMaxMinute + 1);
        return;
    case kSecondField:
        parts.nSecond = Wrap(parts.nSecond, nStep, kMaxMinute + 1);
        return;
    default:
        if (nStep > 0)
            parts.bPm = !parts.bPm;
        return;
    }
}

// The digit replaces the tens or the ones of the active field; a value beyond
// the field's limit becomes the limit. The next digit goes to the other place.
void CTimeFieldState::TypeDigit(Parts& parts, int nDigit)
{
    int* pValue = nullptr;
    int nLimit = kMaxMinute;
    switch (m_nField) {
    case kHourField:
        pValue = &parts.nHour;
        nLimit = kMaxHour;
        break;
    case kMinuteField:
        pValue = &parts.nMinute;
        break;
    case kSecondField:
        pValue = &parts.nSecond;
        break;
    default:
        return;
    }
    const int nTens = m_nDigit == 0 ? nDigit : *pValue / 10;
    const int nOnes = m_nDigit == 0 ? *pValue % 10 : nDigit;
    *pValue = std::min(nTens * 10 + nOnes, nLimit);
    m_nDigit = 1 - m_nDigit;
}

// Only a changed time of day is rebuilt: making a time from unchanged parts
// could move one in the hour repeated at the end of daylight saving time.
void CTimeFieldState::Rebuild(const Parts& parts)
{
    const int nHour = parts.nHour + (parts.bPm ? kHalfDay : 0);
    const std::tm& date = parts.date;
    if (nHour == date.tm_hour && parts.nMinute == date.tm_min && parts.nSecond == date.tm_sec)
        return;
    try {
        m_time = base::MakeLocalTime(date.tm_year + 1900, date.tm_mon + 1, date.tm_mday, nHour,
                                       parts.nMinute, parts.nSecond);
    } catch (const base::CStatusException&) {
        // A time the C library cannot make (past the end of the range) stays as it was.
    }
}

} // namespace fields
