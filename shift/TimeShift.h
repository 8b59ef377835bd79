#pragma once
// Moving the times of a run of strokes by one amount, as a writer's clock that
// ran early or late is corrected. A file keeps each stroke's local time of day
// under one date, so a shift moves wall-clock times: the time of day by the
// amount in whole seconds (all the record holds), daylight saving decided as a
// load decides it, and every key time that was written by the whole amount in
// its own 100-ns unit. No stroke may leave its day.

#include "base/TimeOfDayText.h"
#include "steno/StenoStroke.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace shift {

/// The strokes of a range as a shift leaves them, or why it cannot be made.
struct ShiftResult
{
    std::vector<CStenoStroke> strokes; ///< the range after the shift; empty when refused
    std::wstring strRefusal;           ///< names the first stroke that cannot move; empty if none

    bool IsRefused() const { return !strRefusal.empty(); }
};

/// strokes[nBegin] up to (not including) strokes[nEnd], shifted by nMilliseconds.
/// The strokes passed in stay as they are, so the caller can apply the result
/// as one change.
ShiftResult ShiftStrokes(std::span<const CStenoStroke> strokes, std::size_t nBegin,
                         std::size_t nEnd, std::int64_t nMilliseconds);

/// The amount that gives anchor the time of day target, the others keeping their
/// distance to it; none when the anchor's time is not a local time.
std::optional<std::int64_t> AmountToTimeOfDay(const CStenoStroke& anchor,
                                              const base::TimeOfDay& target);

} // namespace shift
