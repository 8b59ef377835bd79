#include "shift/ShiftAmount.h"

#include "base/TimeOfDayText.h"

#include <array>
#include <cstdio>

namespace shift {

namespace {

constexpr std::size_t kClockLength = 8; // HH:MM:SS
constexpr std::size_t kMostFractionDigits = 3;

/// ".d", ".dd" or ".ddd" as milliseconds; none for anything else.
std::optional<std::int64_t> ParseFraction(std::string_view text)
{
    if (text.size() < 2 || text.size() > kMostFractionDigits + 1 || text[0] != '.')
        return std::nullopt;
    std::int64_t nMilliseconds = 0;
    std::int64_t nScale = 100;
    for (char ch : text.substr(1)) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        nMilliseconds += (ch - '0') * nScale;
        nScale /= 10;
    }
    return nMilliseconds;
}

} // namespace

std::optional<std::int64_t> ParseShiftAmount(std::string_view text)
{
    if (text.empty() || (text[0] != '+' && text[0] != '-'))
        return std::nullopt;
    const std::int64_t nSign = text[0] == '-' ? -1 : 1;
    text.remove_prefix(1);
    const std::optional<base::TimeOfDay> clock = base::ParseTimeOfDay(text.substr(0, kClockLength));
    if (!clock)
        return std::nullopt;
    std::int64_t nMilliseconds = 0;
    if (text.size() > kClockLength) {
        const std::optional<std::int64_t> fraction = ParseFraction(text.substr(kClockLength));
        if (!fraction)
            return std::nullopt;
        nMilliseconds = *fraction;
    }
    return nSign * (clock->SecondOfDay() * kMillisecondsPerSecond + nMilliseconds);
}

std::string FormatShiftAmount(std::int64_t nMilliseconds)
{
    const char chSign = nMilliseconds < 0 ? '-' : '+';
    // Unsigned, so that even the most negative amount has a magnitude.
    const std::uint64_t nAmount = nMilliseconds < 0 ? 0 - static_cast<std::uint64_t>(nMilliseconds)
                                                    : static_cast<std::uint64_t>(nMilliseconds);
    const std::uint64_t nSeconds = nAmount / kMillisecondsPerSecond;
    std::array<char, 48> text{};
    int nLength = std::snprintf(text.data(), text.size(), "%c%02llu:%02llu:%02llu", chSign,
                                static_cast<unsigned long long>(nSeconds / base::kSecondsPerHour),
                                static_cast<unsigned long long>(nSeconds / 60 % 60),
                                static_cast<unsigned long long>(nSeconds % 60));
    if (nAmount % kMillisecondsPerSecond != 0)
        nLength += std::snprintf(text.data() + nLength, text.size() - nLength, ".%03llu",
                                 static_cast<unsigned long long>(nAmount % kMillisecondsPerSecond));
    return std::string(text.data(), static_cast<std::size_t>(nLength));
}

} // namespace shift
