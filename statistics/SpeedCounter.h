#pragma once
// Strokes and words per minute of the clock over the span of the strokes'
// times. Only minutes that hold strokes are kept; the minutes between them
// are empty, so a stroke whose time was edited to another year costs nothing.

#include <cstdint>
#include <vector>

namespace statistics {

inline constexpr std::int64_t kSecondsPerMinute = 60;

struct MinuteCount
{
    std::int64_t nMinute = 0; ///< minutes since 1970-01-01 00:00 UTC; times nMinute * 60 on
    std::int64_t nStrokes = 0;
    std::int64_t nWords = 0;

    bool operator==(const MinuteCount&) const = default;
};

struct SpeedStatistics
{
    std::vector<MinuteCount> minutes; ///< ascending, each minute once
    std::int64_t nFirstMinute = 0;
    std::int64_t nMinuteCount = 0; ///< minutes from the first to the last, empty ones too
    std::int64_t nStrokes = 0;
    std::int64_t nWords = 0;
};

/// The minute a time falls in, rounding down for times before 1970 too.
constexpr std::int64_t MinuteOf(std::int64_t time)
{
    const std::int64_t nMinute = time / kSecondsPerMinute;
    return time % kSecondsPerMinute < 0 ? nMinute - 1 : nMinute;
}

class CSpeedCounter
{
public:
    void AddStroke(std::int64_t time) { Add(MinuteOf(time), 1, 0); }
    void AddWords(std::int64_t time, std::int64_t nWords) { Add(MinuteOf(time), 0, nWords); }
    SpeedStatistics Finish();

private:
    void Add(std::int64_t nMinute, std::int64_t nStrokes, std::int64_t nWords);

    // Counts of consecutive additions in one minute: few for strokes in time
    // order, merged by minute when finishing.
    std::vector<MinuteCount> m_runs;
};

} // namespace statistics
