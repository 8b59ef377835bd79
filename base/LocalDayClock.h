#pragma once
// Converts between stroke times and local times of day without asking the C
// library for every stroke: mktime re-reads the zone file on each call when TZ
// is unset, and a file holds a million strokes of one day. A day of 86,400
// seconds whose UTC offset holds all around it converts by arithmetic from its
// midnight; any other day (a daylight-saving change, a leap second in a zone
// that counts them) goes through the C library, so every
// result equals MakeLocalTime's and LocalHour's ... LocalSecond's.

#include <cstdint>

namespace base {

class CLocalDayClock
{
public:
    /// As MakeLocalTime, including its exceptions.
    std::int64_t MakeTime(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond);

    /// As LocalHour, LocalMinute and LocalSecond together; false (and all three
    /// -1) when the time cannot be converted.
    bool SplitTime(std::int64_t time, int& nHour, int& nMinute, int& nSecond);

private:
    bool IsDay(int nYear, int nMonth, int nDay) const;
    void LoadDay(int nYear, int nMonth, int nDay);

    bool m_bLoaded = false;
    int m_nYear = 0;
    int m_nMonth = 0;
    int m_nDay = 0;
    bool m_bUniform = false;      ///< 86,400 s, the offset the same all around the day
    std::int64_t m_nMidnight = 0; ///< valid when m_bUniform
};

} // namespace base
