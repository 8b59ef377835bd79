#pragma once
// The amount a shift moves stroke times by, as users type it: a sign, then
// HH:MM:SS and, if wanted, a fraction of a second (".5", ".250").

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace shift {

inline constexpr std::int64_t kMillisecondsPerSecond = 1000;

/// What a shift is asked for with: an amount, or the time of day the current
/// stroke is to get, the others keeping their distance to it.
enum class ShiftKind { ByAmount, CurrentToTimeOfDay };

/// "+HH:MM:SS[.mmm]" or "-HH:MM:SS[.mmm]" in milliseconds, the sign required;
/// none for anything else.
std::optional<std::int64_t> ParseShiftAmount(std::string_view text);

/// Milliseconds as ParseShiftAmount reads them: "+00:00:30", "-01:00:00.250".
std::string FormatShiftAmount(std::int64_t nMilliseconds);

} // namespace shift
