#include "exchange/IsoTimeText.h"

#include "base/LocalTime.h"
#include "steno/KeyTimes.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace exchange {

namespace {

constexpr std::uint64_t kTicksPerDay = 864000000000;
constexpr std::int64_t kDaysFrom1601To1970 = 134774;
constexpr long kSecondsPerMinute = 60;

char* PutDigits(char* pOut, unsigned nValue, int nDigits)
{
    for (int i = nDigits - 1; i >= 0; --i) {
        pOut[i] = static_cast<char>('0' + nValue % 10);
        nValue /= 10;
    }
    return pOut + nDigits;
}

char* PutClock(char* pOut, int nHour, int nMinute, int nSecond)
{
    pOut = PutDigits(pOut, static_cast<unsigned>(nHour), 2);
    *pOut++ = ':';
    pOut = PutDigits(pOut, static_cast<unsigned>(nMinute), 2);
    *pOut++ = ':';
    return PutDigits(pOut, static_cast<unsigned>(nSecond), 2);
}

/// "+HH:MM" or "-HH:MM" for an offset east of UTC in seconds.
char* PutOffset(char* pOut, long nOffset)
{
    *pOut++ = nOffset < 0 ? '-' : '+';
    const auto nMinutes = static_cast<unsigned>(std::labs(nOffset) / kSecondsPerMinute);
    pOut = PutDigits(pOut, nMinutes / 60, 2);
    *pOut++ = ':';
    return PutDigits(pOut, nMinutes % 60, 2);
}

} // namespace

char* CIsoTimeText::PutLocalTime(char* pOut, std::int64_t time) const
{
    std::tm fields{};
    if (!base::ToLocalFields(time, fields))
        return pOut;
    pOut = PutDigits(pOut, static_cast<unsigned>(fields.tm_year + 1900), 4);
    *pOut++ = '-';
    pOut = PutDigits(pOut, static_cast<unsigned>(fields.tm_mon + 1), 2);
    *pOut++ = '-';
    pOut = PutDigits(pOut, static_cast<unsigned>(fields.tm_mday), 2);
    *pOut++ = 'T';
    pOut = PutClock(pOut, fields.tm_hour, fields.tm_min, fields.tm_sec);
    return PutOffset(pOut, fields.tm_gmtoff);
}

char* CIsoTimeText::PutKeyTime(char* pOut, std::uint64_t nFileTime)
{
    const std::optional<steno::ClockTime> clock = steno::FileTimeOfDay(nFileTime);
    if (nFileTime == 0 || !clock)
        return pOut;
    if (nFileTime / kTicksPerDay != m_nKeyDay)
        LoadKeyDay(nFileTime / kTicksPerDay);
    for (std::size_t i = 0; i < m_nKeyDateLength; ++i)
        *pOut++ = m_keyDate[i];
    pOut = PutClock(pOut, clock->nHour, clock->nMinute, clock->nSecond);
    *pOut++ = '.';
    return PutDigits(pOut, static_cast<unsigned>(clock->nMillisecond), 3);
}

void CIsoTimeText::LoadKeyDay(std::uint64_t nDay)
{
    using namespace std::chrono;
    m_nKeyDay = nDay;
    const year_month_day date{
        sys_days{days{static_cast<std::int64_t>(nDay) - kDaysFrom1601To1970}}};
    const int nLength = std::snprintf(
        m_keyDate.data(), m_keyDate.size(), "%04d-%02u-%02uT", static_cast<int>(date.year()),
        static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    m_nKeyDateLength = static_cast<std::size_t>(nLength);
}

} // namespace exchange
