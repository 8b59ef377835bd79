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

/// How far each stroke of a range moves, or why the range cannot move. The
/// moves are what taking the shift back needs: around a daylight-saving change
/// the reverse shift would not find every stroke's old time again.
struct ShiftPlan
{
    std::vector<std::int32_t> moves; ///< seconds each stroke's time moves; empty when refused
    std::wstring strRefusal;         ///< names the first stroke that cannot move; empty if none

    bool IsRefused() const { return !strRefusal.empty(); }
};

/// How strokes[nBegin] up to (not including) strokes[nEnd] move when shifted
/// by nMilliseconds. Nothing changes yet, so a refusal leaves every stroke as it was.
ShiftPlan PlanShift(std::span<const CStenoStroke> strokes, std::size_t nBegin, std::size_t nEnd,
                    std::int64_t nMilliseconds);

/// Makes a planned shift on the strokes from nBegin on, or with bForward false
/// takes it back: times by their moves, key times that are not 0 by nMilliseconds.
void ApplyShift(std::span<CStenoStroke> strokes, std::size_t nBegin,
                std::span<const std::int32_t> moves, std::int64_t nMilliseconds,
                bool bForward = true);

/// The amount that gives anchor the time of day target, the others keeping their
/// distance to it; none when the anchor's time is not a local time.
std::optional<std::int64_t> AmountToTimeOfDay(const CStenoStroke& anchor,
                                              const base::TimeOfDay& target);

} // namespace shift
