#pragma once
// Stroke times are seconds since 1970-01-01 00:00:00 UTC, shown and entered as
// local time (the TZ environment variable decides). Conversions work for times
// 0 ... 32535215999 (up to 3000-12-31 23:59:59 UTC).

#include <cstdint>
#include <ctime>
#include <stdexcept>
#include <string>

namespace base {

inline constexpr std::uint32_t E_FAIL_CODE = 0x80004005;
inline constexpr std::uint32_t E_INVALIDARG_CODE = 0x80070057;
inline constexpr std::int64_t kLatestTime = 32535215999;

/// A failed status code, thrown by the time helpers; what() says which field
/// or time was wrong.
class CStatusException : public std::runtime_error
{
public:
    explicit CStatusException(std::uint32_t nCode);
    CStatusException(std::uint32_t nCode, const std::string& strReason);
    std::uint32_t Code() const { return m_nCode; }

private:
    std::uint32_t m_nCode;
};

/// Local calendar fields to a time. Fields out of range throw E_FAIL; a time
/// the C library cannot make, or one outside the range above, throws E_INVALIDARG.
std::int64_t MakeLocalTime(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond);

/// The field checks of MakeLocalTime alone: throws E_FAIL naming the first bad field.
void CheckTimeFields(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond);

/// Whether a time lies in the range the local conversions accept.
constexpr bool IsConvertibleTime(std::int64_t time)
{
    return time >= 0 && time <= kLatestTime;
}

/// The time as local calendar fields; false when it cannot be converted.
bool ToLocalFields(std::int64_t time, std::tm& fields);

// Local parts of a time; 0 (date parts) or -1 (time parts) when it cannot be converted.
int LocalYear(std::int64_t time);
int LocalMonth(std::int64_t time);
int LocalDay(std::int64_t time);
int LocalHour(std::int64_t time);
int LocalMinute(std::int64_t time);
int LocalSecond(std::int64_t time);

/// The time formatted with strftime's format as local time; empty when it
/// cannot be converted.
std::wstring FormatLocalTime(std::int64_t time, const char* format);

} // namespace base
