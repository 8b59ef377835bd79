#pragma once
// The statistics of a run of strokes, a whole document or a selection: speed
// per minute, pauses, misstrokes, how each key is struck and how far apart the
// keys of a stroke go down. They are computed from a snapshot, so that a
// window can compute them on a worker thread and give up cheaply when the
// document changes.

#include "statistics/KeyCounter.h"
#include "statistics/MisstrokeCounter.h"
#include "statistics/PauseCounter.h"
#include "statistics/SpeedCounter.h"
#include "statistics/SpreadCounter.h"
#include "statistics/TranslationRecord.h"
#include "steno/StenoStroke.h"

#include <atomic>
#include <cstddef>
#include <optional>
#include <span>

namespace statistics {

/// How many strokes are counted between two looks at the request to stop.
inline constexpr std::size_t kCancelStride = 65536;

/// Whether the request to stop (none when null) has been made.
inline bool StopRequested(const std::atomic<bool>* pCancel)
{
    return pCancel != nullptr && pCancel->load(std::memory_order_relaxed);
}

struct StatisticsInput
{
    std::span<const CStenoStroke> strokes;
    /// The document index of strokes[0]: stroke indexes, those of the
    /// translation records and those in the results, count from the document's start.
    int nFirstIndex = 0;
    /// The translations of these strokes, the undone ones included, when
    /// dictionaries translate them: words per minute and the misstrokes come
    /// from them. A record that reaches outside the strokes is left out.
    std::optional<std::span<const TranslationRecord>> translations;
    int nStackedMs = kDefaultStackedMs;
};

struct StrokeStatistics
{
    std::int64_t nStrokes = 0;
    int nFirstIndex = 0;
    SpeedStatistics speed;
    PauseStatistics pauses;
    MisstrokeStatistics misstrokes;
    KeyTable keys;
    SpreadStatistics spread;
};

/// The statistics of the input; none when *pCancel turned true on the way.
std::optional<StrokeStatistics> ComputeStatistics(const StatisticsInput& input,
                                                  const std::atomic<bool>* pCancel = nullptr);

} // namespace statistics
