#include "platform/QtBackgroundRunner.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr int kPollMs = 20;
constexpr int kSteps = 1000;

// Shared between the working thread, which reports, and the calling thread,
// which shows it and may ask to stop.
class CSharedProgress final : public IFileProgress
{
public:
    bool Progress(double nDone) override
    {
        m_nDone.store(nDone, std::memory_order_relaxed);
        return !m_bStop.load(std::memory_order_relaxed);
    }
    double Done() const { return m_nDone.load(std::memory_order_relaxed); }
    void Stop() { m_bStop.store(true, std::memory_order_relaxed); }

private:
    std::atomic<double> m_nDone{0};
    std::atomic<bool> m_bStop{false};
};

// Keeps the user's input, and requests to close a window, for later: everything
// except what goes to the progress window itself.
class CInputHold final : public QObject
{
public:
    explicit CInputHold(const QWidget* const& pProgress) : m_pProgress(pProgress)
    {
        qApp->installEventFilter(this);
    }
    ~CInputHold() override
    {
        qApp->removeEventFilter(this);
        for (auto& [pTarget, pEvent] : m_held) {
            if (pTarget != nullptr)
                QCoreApplication::postEvent(pTarget, pEvent.release());
        }
    }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (!IsHeld(pEvent->type()) || IsForProgress(pWatched))
            return false;
        m_held.emplace_back(pWatched, std::unique_ptr<QEvent>(pEvent->clone()));
        return true;
    }

private:
    static bool IsHeld(QEvent::Type type)
    {
        switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::Close:
            return true;
        default:
            return false;
        }
    }
    bool IsForProgress(const QObject* pWatched) const
    {
        const auto* pWidget = qobject_cast<const QWidget*>(pWatched);
        return m_pProgress != nullptr && pWidget != nullptr && pWidget->window() == m_pProgress;
    }

    const QWidget* const& m_pProgress;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> m_held;
};

} // namespace

void QtBackgroundRunner::Run(const std::wstring& strWhat, bool bCancellable,
                             const std::function<void(IFileProgress&)>& work)
{
    CSharedProgress progress;
    std::atomic<bool> bDone{false};
    std::thread worker([&] {
        work(progress);
        bDone.store(true);
    });
    QWidget* pProgressWindow = nullptr;
    {
        CInputHold hold(pProgressWindow);
        std::unique_ptr<QProgressDialog> pDialog;
        QElapsedTimer elapsed;
        elapsed.start();
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (bDone.load())
                return loop.quit();
            if (!pDialog && elapsed.elapsed() >= kProgressDelayMs) {
                pDialog = std::make_unique<QProgressDialog>(
                    QString::fromStdWString(strWhat),
                    bCancellable ? QStringLiteral("Cancel") : QString(), 0, kSteps, m_pOwner);
                pDialog->setWindowTitle(QStringLiteral("Quillmark"));
                pDialog->setMinimumDuration(0);
                pDialog->setAutoReset(false);
                pDialog->setAutoClose(false);
                pProgressWindow = pDialog.get();
                pDialog->show();
            }
            if (!pDialog)
                return;
            pDialog->setValue(static_cast<int>(progress.Done() * kSteps));
            if (pDialog->wasCanceled())
                progress.Stop();
        });
        poll.start(kPollMs);
        loop.exec();
        pProgressWindow = nullptr;
    }
    worker.join();
}
