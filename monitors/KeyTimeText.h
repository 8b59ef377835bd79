#pragma once
// A key's strike time as the stroke time monitor writes it: the time of day of
// a file time (100-nanosecond intervals since 1601-01-01 00:00), taken as it
// is stored, without any time-zone adjustment.

#include "steno/StenoStroke.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace monitors {

/// The widest a key time gets; the monitor sizes its time font by it.
inline constexpr std::wstring_view kKeyTimeSample = L"   00:00:00.000";
/// Shown for file times the calendar cannot hold (2^63 and more).
inline constexpr std::wstring_view kNoKeyTime = L"   --:--:--.---";

/// "   hh:mm:ss.mmm" after three blanks, or kNoKeyTime.
std::wstring KeyTimeText(const KeyTime& time);

} // namespace monitors
