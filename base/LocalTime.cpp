#include "base/LocalTime.h"

#include "base/AnsiText.h"

#include <array>
#include <cstdio>

namespace base {

namespace {

std::string CodeText(std::uint32_t nCode)
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "status 0x%08X", static_cast<unsigned>(nCode));
    return text.data();
}

void CheckField(const char* name, int nValue, int nLowest, int nHighest)
{
    if (nValue >= nLowest && nValue <= nHighest)
        return;
    throw CStatusException(E_FAIL_CODE,
                           std::string(name) + " " + std::to_string(nValue) + " out of range");
}

std::string FieldsText(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond)
{
    std::array<char, 96> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d %02d:%02d:%02d", nYear, nMonth, nDay,
                  nHour, nMinute, nSecond);
    return text.data();
}

constexpr int kFirstYear = 1970;
constexpr int kLastYear = 0x7FFFFFFF;

} // namespace

CStatusException::CStatusException(std::uint32_t nCode)
    : std::runtime_error(CodeText(nCode)), m_nCode(nCode)
{
}

CStatusException::CStatusException(std::uint32_t nCode, const std::string& strReason)
    : std::runtime_error(strReason), m_nCode(nCode)
{
}

void CheckTimeFields(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond)
{
    CheckField("year", nYear, kFirstYear, kLastYear);
    CheckField("month", nMonth, 1, 12);
    CheckField("day", nDay, 1, 31);
    CheckField("hour", nHour, 0, 23);
    CheckField("minute", nMinute, 0, 59);
    CheckField("second", nSecond, 0, 59);
}

std::int64_t MakeLocalTime(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond)
{
    CheckTimeFields(nYear, nMonth, nDay, nHour, nMinute, nSecond);
    std::tm fields{};
    fields.tm_year = nYear - 1900;
    fields.tm_mon = nMonth - 1;
    fields.tm_mday = nDay;
    fields.tm_hour = nHour;
    fields.tm_min = nMinute;
    fields.tm_sec = nSecond;
    fields.tm_isdst = -1;
    const std::time_t result = std::mktime(&fields);
    if (result == static_cast<std::time_t>(-1) || !IsConvertibleTime(result))
        throw CStatusException(E_INVALIDARG_CODE,
                               "local time " +
                                   FieldsText(nYear, nMonth, nDay, nHour, nMinute, nSecond) +
                                   " out of range");
    return result;
}

bool ToLocalFields(std::int64_t time, std::tm& fields)
{
    if (!IsConvertibleTime(time))
        return false;
    const std::time_t value = time;
    return localtime_r(&value, &fields) != nullptr;
}

namespace {

template <typename Part> int LocalPart(std::int64_t time, int nFailure, Part part)
{
    std::tm fields{};
    return ToLocalFields(time, fields) ? part(fields) : nFailure;
}

} // namespace

int LocalYear(std::int64_t time)
{
    return LocalPart(time, 0, [](const std::tm& f) { return f.tm_year + 1900; });
}

int LocalMonth(std::int64_t time)
{
    return LocalPart(time, 0, [](const std::tm& f) { return f.tm_mon + 1; });
}

int LocalDay(std::int64_t time)
{
    return LocalPart(time, 0, [](const std::tm& f) { return f.tm_mday; });
}

int LocalHour(std::int64_t time)
{
    return LocalPart(time, -1, [](const std::tm& f) { return f.tm_hour; });
}

int LocalMinute(std::int64_t time)
{
    return LocalPart(time, -1, [](const std::tm& f) { return f.tm_min; });
}

int LocalSecond(std::int64_t time)
{
    return LocalPart(time, -1, [](const std::tm& f) { return f.tm_sec; });
}

std::wstring FormatLocalTime(std::int64_t time, const char* format)
{
    std::tm fields{};
    if (!ToLocalFields(time, fields))
        return {};
    std::array<char, 256> text{};
    const std::size_t nLength = std::strftime(text.data(), text.size(), format, &fields);
    return AnsiToWide(std::string_view(text.data(), nLength));
}

} // namespace base
