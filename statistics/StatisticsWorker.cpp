#include "statistics/StatisticsWorker.h"

#include "document/StrokeDocument.h"

#include <algorithm>
#include <new>

using statistics::StrokeStatistics;

namespace {

// 4 MB a slice: copying it, page faults included, takes about a millisecond.
constexpr std::size_t kSliceStrokes = 16384;

std::shared_ptr<const StrokeStatistics> Compute(const std::vector<CStenoStroke>& strokes,
                                                int nFirstIndex, int nStackedMs,
                                                const std::atomic<bool>& cancel)
{
    statistics::StatisticsInput input;
    input.strokes = strokes;
    input.nFirstIndex = nFirstIndex;
    input.nStackedMs = nStackedMs;
    try {
        std::optional<StrokeStatistics> stats = statistics::ComputeStatistics(input, &cancel);
        return stats ? std::make_shared<const StrokeStatistics>(std::move(*stats)) : nullptr;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

} // namespace

CStatisticsWorker::CStatisticsWorker(const doc::CStrokeDocument& document, QObject* pParent)
    : QObject(pParent), m_document(document)
{
    m_copyTimer.setInterval(0);
    connect(&m_copyTimer, &QTimer::timeout, this, &CStatisticsWorker::CopySlice);
}

CStatisticsWorker::~CStatisticsWorker()
{
    CancelThread();
    if (m_thread.joinable())
        m_thread.join();
}

void CStatisticsWorker::Start(statistics::StrokeRange range, int nStackedMs)
{
    // The copy's room is kept: starting again after an edit copies as much.
    Abandon();
    m_range = statistics::ClampRange(range, m_document.Count());
    m_nStackedMs = nStackedMs;
    m_bBusy = true;
    try {
        // Room for all at once: growing would move the copy made so far in one go.
        m_copy.reserve(static_cast<std::size_t>(m_range.nCount));
    } catch (const std::bad_alloc&) {
        Fail();
        return;
    }
    m_copyTimer.start();
}

void CStatisticsWorker::Stop()
{
    Abandon();
    std::vector<CStenoStroke>().swap(m_copy);
}

void CStatisticsWorker::Abandon()
{
    ++m_nGeneration;
    CancelThread();
    m_copyTimer.stop();
    m_copy.clear();
    m_bBusy = false;
    m_bLaunchWaiting = false;
}

void CStatisticsWorker::Fail()
{
    Stop();
    emit Computed(nullptr);
}

void CStatisticsWorker::CancelThread()
{
    if (m_pCancel)
        m_pCancel->store(true);
}

void CStatisticsWorker::CopySlice()
{
    const auto nCount = static_cast<std::size_t>(m_range.nCount);
    // Every change starts the copy again; this only keeps a missed one from
    // reading past the strokes.
    if (static_cast<std::size_t>(m_range.nFirst) + nCount > m_document.Strokes().size()) {
        Start(m_range, m_nStackedMs);
        return;
    }
    const std::size_t nSlice = std::min(kSliceStrokes, nCount - m_copy.size());
    const CStenoStroke* pFrom = m_document.Strokes().data() + m_range.nFirst + m_copy.size();
    m_copy.insert(m_copy.end(), pFrom, pFrom + nSlice);
    if (m_copy.size() < nCount)
        return;
    m_copyTimer.stop();
    if (m_thread.joinable())
        m_bLaunchWaiting = true;
    else
        Launch();
}

void CStatisticsWorker::Launch()
{
    m_bLaunchWaiting = false;
    m_pCancel = std::make_shared<std::atomic<bool>>(false);
    auto pStrokes = std::make_shared<const std::vector<CStenoStroke>>(std::move(m_copy));
    m_copy = {};
    m_thread = std::thread([this, pStrokes, pCancel = m_pCancel, nGeneration = m_nGeneration,
                            nFirst = m_range.nFirst, nStackedMs = m_nStackedMs]() mutable {
        std::shared_ptr<const StrokeStatistics> pStats =
            Compute(*pStrokes, nFirst, nStackedMs, *pCancel);
        // Freed here, not while the window's thread joins this one.
        pStrokes.reset();
        // Delivered on the window's thread; the destructor joins this thread
        // first, and a QObject's pending calls die with it.
        QMetaObject::invokeMethod(
            this, [this, nGeneration, pStats] { Finished(nGeneration, pStats); },
            Qt::QueuedConnection);
    });
}

void CStatisticsWorker::Finished(int nGeneration,
                                 std::shared_ptr<const StrokeStatistics> pStatistics)
{
    m_thread.join();
    if (m_bLaunchWaiting) {
        Launch();
        return;
    }
    if (nGeneration != m_nGeneration)
        return;
    m_bBusy = false;
    emit Computed(std::move(pStatistics));
}
