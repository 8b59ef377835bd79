#include "base/LocalDayClock.h"

#include "base/LocalTime.h"

#include <ctime>

namespace base {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kSecondsPerHour = 3600;
constexpr std::int64_t kSecondsPerMinute = 60;

// The offset must hold well beyond the day itself: a change shortly before or
// after it can make a local time of the day ambiguous or skipped. No zone
// moves its clock by more than a day, nor twice within an hour.
constexpr std::int64_t kCheckBefore = 2 * kSecondsPerDay;
constexpr std::int64_t kCheckAfter = 3 * kSecondsPerDay;
constexpr std::int64_t kCheckStep = kSecondsPerHour;

bool LocalFieldsAt(std::int64_t time, std::tm& fields)
{
    const std::time_t value = time;
    return localtime_r(&value, &fields) != nullptr;
}

bool IsMidnight(std::int64_t time, std::tm& fields)
{
    return LocalFieldsAt(time, fields) && fields.tm_hour == 0 && fields.tm_min == 0 &&
           fields.tm_sec == 0;
}

// Whether the day starting at nMidnight has 86,400 seconds (in a zone that
// counts leap seconds, one with a leap second has one more or one less) and a
// UTC offset that holds all around it.
bool IsUniformDay(std::int64_t nMidnight)
{
    std::tm fields{};
    if (!IsMidnight(nMidnight + kSecondsPerDay, fields) || !IsMidnight(nMidnight, fields))
        return false;
    const long nOffset = fields.tm_gmtoff;
    for (std::int64_t t = nMidnight - kCheckBefore; t <= nMidnight + kCheckAfter; t += kCheckStep) {
        if (!LocalFieldsAt(t, fields) || fields.tm_gmtoff != nOffset)
            return false;
    }
    return true;
}

} // namespace

bool CLocalDayClock::IsDay(int nYear, int nMonth, int nDay) const
{
    return m_bLoaded && nYear == m_nYear && nMonth == m_nMonth && nDay == m_nDay;
}

void CLocalDayClock::LoadDay(int nYear, int nMonth, int nDay)
{
    m_bLoaded = true;
    m_nYear = nYear;
    m_nMonth = nMonth;
    m_nDay = nDay;
    std::tm fields{};
    fields.tm_year = nYear - 1900;
    fields.tm_mon = nMonth - 1;
    fields.tm_mday = nDay;
    fields.tm_isdst = -1;
    const std::time_t midnight = std::mktime(&fields);
    m_bUniform = midnight != static_cast<std::time_t>(-1) && IsUniformDay(midnight);
    m_nMidnight = midnight;
}

std::int64_t CLocalDayClock::MakeTime(int nYear, int nMonth, int nDay, int nHour, int nMinute,
                                      int nSecond)
{
    CheckTimeFields(nYear, nMonth, nDay, nHour, nMinute, nSecond);
    if (!IsDay(nYear, nMonth, nDay))
        LoadDay(nYear, nMonth, nDay);
    const std::int64_t time =
        m_nMidnight + nHour * kSecondsPerHour + nMinute * kSecondsPerMinute + nSecond;
    if (!m_bUniform || !IsConvertibleTime(time))
        return MakeLocalTime(nYear, nMonth, nDay, nHour, nMinute, nSecond);
    return time;
}

bool CLocalDayClock::SplitTime(std::int64_t time, int& nHour, int& nMinute, int& nSecond)
{
    nHour = nMinute = nSecond = -1;
    if (!IsConvertibleTime(time))
        return false;
    if (m_bUniform && time >= m_nMidnight && time < m_nMidnight + kSecondsPerDay) {
        const std::int64_t nOfDay = time - m_nMidnight;
        nHour = static_cast<int>(nOfDay / kSecondsPerHour);
        nMinute = static_cast<int>(nOfDay % kSecondsPerHour / kSecondsPerMinute);
        nSecond = static_cast<int>(nOfDay % kSecondsPerMinute);
        return true;
    }
    std::tm fields{};
    if (!ToLocalFields(time, fields))
        return false;
    nHour = fields.tm_hour;
    nMinute = fields.tm_min;
    nSecond = fields.tm_sec;
    if (!IsDay(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday))
        LoadDay(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday);
    return true;
}

} // namespace base
