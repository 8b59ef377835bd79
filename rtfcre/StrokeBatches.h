#pragma once
// Turns the strokes the reader finds into records on two threads. The reading
// thread fills batches of stroke texts and hands each on; a worker parses them
// in turn, and the reading thread parses the oldest waiting one itself
// whenever no batch is free to be filled, so both cores parse while one of
// them also reads, and neither waits for the other. Records land in the array
// in file order. The array only grows while no batch is being parsed. Whoever
// parses a batch also faults in the fresh pages of records a megabyte on,
// so that the reading thread, which appends them, does not pay for them all.

#include "rtfcre/StrokeTexts.h"
#include "steno/StenoStroke.h"

#include <array>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace rtfcre {

class CStrokeBatches
{
public:
    /// Called, with no batch being parsed, when the array lacks room for
    /// nNeeded records in all; it may reserve more than that.
    using MakeRoom = std::function<void(std::size_t nNeeded)>;

    CStrokeBatches(std::vector<CStenoStroke>& strokes, MakeRoom makeRoom);
    /// Parses what was handed on but not yet parsed, then stops the worker.
    ~CStrokeBatches();
    CStrokeBatches(const CStrokeBatches&) = delete;
    CStrokeBatches& operator=(const CStrokeBatches&) = delete;

    /// Where the reader puts the next stroke's texts.
    StrokeTexts& Slot() { return m_batches[m_nOpen].texts[m_batches[m_nOpen].nCount]; }
    /// The slot is filled; true when its batch is full and is to be handed on.
    bool Commit() { return ++m_batches[m_nOpen].nCount == kBatchStrokes; }
    /// Appends room for the filled batch's records and hands it on to be parsed.
    void HandOn();
    /// Hands on what was filled and parses everything; then every committed
    /// stroke has its record in the array.
    void Finish();

    /// The first text still to be parsed, nullptr when none: bytes of the file
    /// before it are not needed any more.
    const char* FirstPendingText();

private:
    static constexpr std::size_t kBatchStrokes = 256;
    static constexpr std::size_t kRing = 8;
    /// How many batches the reading may run ahead of the oldest not yet parsed.
    static constexpr std::uint64_t kMostAhead = 2 * kRing;

    enum class EState {
        kFree,
        kOpen,    ///< being filled
        kQueued,  ///< handed on, waiting to be parsed
        kParsing, ///< being parsed by one of the threads
    };

    struct Batch
    {
        std::array<StrokeTexts, kBatchStrokes> texts;
        std::size_t nCount = 0;
        std::uint64_t nOrder = 0; ///< of the batches in the file
        CStenoStroke* pRecords = nullptr;
        CStenoStroke* pLaterFrom = nullptr; ///< records of a later batch, to fault in
        CStenoStroke* pLaterTo = nullptr;
        EState state = EState::kFree;
    };

    void StartWorker();
    void RunWorker();
    void OpenFreeBatch(std::unique_lock<std::mutex>& lock);
    std::uint64_t OldestPendingOrder() const;
    void Drain(std::unique_lock<std::mutex>& lock);
    bool ParseQueued(std::unique_lock<std::mutex>& lock);
    void Parse(Batch& batch, std::unique_lock<std::mutex>& lock);
    void StopWorker();

    std::vector<CStenoStroke>& m_strokes;
    MakeRoom m_makeRoom;
    std::unique_ptr<std::array<Batch, kRing>> m_pBatches;
    std::array<Batch, kRing>& m_batches;
    std::size_t m_nOpen = 0;                  ///< the batch being filled
    std::uint64_t m_nNextOrder = 0;           ///< of the next batch to be opened
    std::array<std::size_t, kRing> m_queue{}; ///< batches queued, oldest first, from m_nFirstQueued
    std::size_t m_nFirstQueued = 0;
    std::size_t m_nQueued = 0;
    std::size_t m_nPending = 0; ///< batches queued or being parsed
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_bStop = false;
    bool m_bWorkerTried = false;
    std::thread m_worker;
};

} // namespace rtfcre
