#include "rtfcre/StrokeBatches.h"

#include <algorithm>
#include <cstdint>
#include <sys/mman.h>
#include <system_error>
#include <unistd.h>

namespace rtfcre {

namespace {

// Records this far on are faulted in: far enough to be ahead of the reading
// thread, near enough not to fault in much beyond the last record.
constexpr std::size_t kFaultAhead = 1024 * 1024 / sizeof(CStenoStroke);

/// Faults in the pages of the records as a first write would, without writing.
void FaultIn(const CStenoStroke* pFrom, const CStenoStroke* pTo)
{
#ifdef MADV_POPULATE_WRITE
    if (pTo <= pFrom)
        return;
    static const auto nPage = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const std::uintptr_t nStart = reinterpret_cast<std::uintptr_t>(pFrom) / nPage * nPage;
    const auto nEnd = reinterpret_cast<std::uintptr_t>(pTo);
    // A system without this advice refuses it: the first write then faults the pages in.
    ::madvise(reinterpret_cast<void*>(nStart), nEnd - nStart, MADV_POPULATE_WRITE);
#else
    (void)pFrom;
    (void)pTo;
#endif
}

} // namespace

CStrokeBatches::CStrokeBatches(std::vector<CStenoStroke>& strokes, MakeRoom makeRoom)
    : m_strokes(strokes), m_makeRoom(std::move(makeRoom)),
      m_pBatches(std::make_unique<std::array<Batch, kRing>>()), m_batches(*m_pBatches)
{
    m_batches[m_nOpen].state = EState::kOpen;
    m_batches[m_nOpen].nOrder = m_nNextOrder++;
}

CStrokeBatches::~CStrokeBatches()
{
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        Drain(lock);
    }
    StopWorker();
}

void CStrokeBatches::HandOn()
{
    Batch& batch = m_batches[m_nOpen];
    if (batch.nCount == 0)
        return;
    const std::size_t nSize = m_strokes.size();
    const std::size_t nNeeded = nSize + batch.nCount;
    if (nNeeded > m_strokes.capacity()) {
        // The records of batches handed on must not move while they are parsed.
        std::unique_lock<std::mutex> lock(m_mutex);
        Drain(lock);
        lock.unlock();
        m_makeRoom(nNeeded);
    }
    m_strokes.resize(nNeeded);
    batch.pRecords = m_strokes.data() + nSize;
    CStenoStroke* pEnd = m_strokes.data() + m_strokes.capacity();
    batch.pLaterFrom = std::min(batch.pRecords + kFaultAhead, pEnd);
    batch.pLaterTo = std::min(batch.pLaterFrom + kBatchStrokes, pEnd);
    // A file of one batch is parsed here: a thread would cost more than it saves.
    if (batch.nOrder > 0)
        StartWorker();
    std::unique_lock<std::mutex> lock(m_mutex);
    batch.state = EState::kQueued;
    m_queue[(m_nFirstQueued + m_nQueued++) % kRing] = m_nOpen;
    ++m_nPending;
    m_changed.notify_all();
    OpenFreeBatch(lock);
}

void CStrokeBatches::Finish()
{
    HandOn();
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        Drain(lock);
    }
    StopWorker();
}

const char* CStrokeBatches::FirstPendingText()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    const Batch* pFirst = nullptr;
    for (const Batch& batch : m_batches) {
        if (batch.state != EState::kFree && batch.nCount > 0 &&
            (pFirst == nullptr || batch.nOrder < pFirst->nOrder))
            pFirst = &batch;
    }
    return pFirst != nullptr ? pFirst->texts[0].steno.data() : nullptr;
}

void CStrokeBatches::StartWorker()
{
    if (m_bWorkerTried)
        return;
    m_bWorkerTried = true;
    try {
        m_worker = std::thread(&CStrokeBatches::RunWorker, this);
    } catch (const std::system_error&) {
        // Without a second thread the reading thread parses every batch itself.
    }
}

void CStrokeBatches::RunWorker()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        if (ParseQueued(lock))
            continue;
        if (m_bStop)
            return;
        m_changed.wait(lock);
    }
}

void CStrokeBatches::StopWorker()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_bStop = true;
    }
    m_changed.notify_all();
    if (m_worker.joinable())
        m_worker.join();
}

// Parses the oldest queued batch here rather than wait while none is free.
// Only while the worker holds a batch far behind the reading (it has not had
// the processor for a while) does the reading wait, rather than hold ever more
// of the file in memory for that batch.
void CStrokeBatches::OpenFreeBatch(std::unique_lock<std::mutex>& lock)
{
    for (;;) {
        const auto free = std::find_if(m_batches.begin(), m_batches.end(), [](const Batch& batch) {
            return batch.state == EState::kFree;
        });
        if (free != m_batches.end() && OldestPendingOrder() + kMostAhead > m_nNextOrder) {
            m_nOpen = static_cast<std::size_t>(free - m_batches.begin());
            break;
        }
        if (!ParseQueued(lock))
            m_changed.wait(lock);
    }
    Batch& batch = m_batches[m_nOpen];
    batch.state = EState::kOpen;
    batch.nCount = 0;
    batch.nOrder = m_nNextOrder++;
}

std::uint64_t CStrokeBatches::OldestPendingOrder() const
{
    std::uint64_t nOldest = m_nNextOrder;
    for (const Batch& batch : m_batches) {
        if (batch.state == EState::kQueued || batch.state == EState::kParsing)
            nOldest = std::min(nOldest, batch.nOrder);
    }
    return nOldest;
}

void CStrokeBatches::Drain(std::unique_lock<std::mutex>& lock)
{
    while (m_nPending > 0) {
        if (!ParseQueued(lock))
            m_changed.wait(lock);
    }
}

/// Takes the oldest queued batch and parses it; false when none is queued.
bool CStrokeBatches::ParseQueued(std::unique_lock<std::mutex>& lock)
{
    if (m_nQueued == 0)
        return false;
    Batch& batch = m_batches[m_queue[m_nFirstQueued]];
    m_nFirstQueued = (m_nFirstQueued + 1) % kRing;
    --m_nQueued;
    batch.state = EState::kParsing;
    Parse(batch, lock);
    return true;
}

void CStrokeBatches::Parse(Batch& batch, std::unique_lock<std::mutex>& lock)
{
    lock.unlock();
    for (std::size_t i = 0; i < batch.nCount; ++i)
        ParseStrokeTexts(batch.texts[i], batch.pRecords[i]);
    FaultIn(batch.pLaterFrom, batch.pLaterTo);
    lock.lock();
    batch.state = EState::kFree;
    --m_nPending;
    m_changed.notify_all();
}

} // namespace rtfcre
