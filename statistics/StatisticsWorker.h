#pragma once
// Computes the statistics of a run of the document's strokes away from the
// window's thread. The strokes are copied in slices between the events the
// program handles, so that a million of them never hold up the list, and the
// copy is counted on a thread of its own. A new start gives up the
// computation under way through the core's cancel flag.

#include "statistics/StrokeRange.h"
#include "statistics/StrokeStatistics.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace doc {
class CStrokeDocument;
}

class CStatisticsWorker : public QObject
{
    Q_OBJECT

public:
    explicit CStatisticsWorker(const doc::CStrokeDocument& document, QObject* pParent = nullptr);
    ~CStatisticsWorker() override;
    CStatisticsWorker(const CStatisticsWorker&) = delete;
    CStatisticsWorker& operator=(const CStatisticsWorker&) = delete;

    /// Starts over on the strokes of the range as the document holds them
    /// now; the document must tell of every change by starting again.
    void Start(statistics::StrokeRange range, int nStackedMs = statistics::kDefaultStackedMs);
    /// Gives up what is under way; nothing is delivered until the next start.
    void Stop();
    /// Between a start and its delivery.
    bool IsBusy() const { return m_bBusy; }

signals:
    /// The statistics of the last start; null when they could not be computed
    /// (there was not memory enough).
    void Computed(std::shared_ptr<const statistics::StrokeStatistics> pStatistics);

private:
    void Abandon();
    void Fail();
    void CopySlice();
    void Launch();
    void Finished(int nGeneration, std::shared_ptr<const statistics::StrokeStatistics> pStatistics);
    void CancelThread();

    const doc::CStrokeDocument& m_document;
    statistics::StrokeRange m_range;
    int m_nStackedMs = statistics::kDefaultStackedMs;
    std::vector<CStenoStroke> m_copy;
    QTimer m_copyTimer;
    std::thread m_thread;
    std::shared_ptr<std::atomic<bool>> m_pCancel;
    int m_nGeneration = 0;
    bool m_bBusy = false;
    bool m_bLaunchWaiting = false; ///< the copy is made; the last thread has yet to end
};
