#pragma once
// The statistics window (Options ▸ Statistics): a skinned, resizable window
// with the speed over the day, the pauses, the misstrokes and how each key is
// struck for a run of the document's strokes. It computes them on a worker
// thread whenever it is shown and whenever those strokes change, makes the
// stroke a click names current, and exports the plots as PNG and the numbers
// as CSV. Like the monitors it never takes the keyboard from the list.

#include "document/DocumentObserver.h"
#include "monitors/MonitorFrameDlg.h"
#include "statistics/StatisticsWorker.h"
#include "statistics/StrokeRange.h"

#include <memory>

class CStatisticsView;

namespace doc {
class CStrokeDocument;
}

namespace platform {
class FileDialogs;
class Prompter;
} // namespace platform

namespace statistics {
struct PlotTarget;
enum class ExportKind;
} // namespace statistics

class CStatisticsDlg : public CMonitorFrameDlg, private doc::IDocumentObserver
{
    Q_OBJECT

public:
    /// The export buttons; their commands reach only this window.
    static constexpr int kIdExportPicture = 1101;
    static constexpr int kIdExportNumbers = 1102;

    /// Hidden until ShowRange; the questions and file dialogs of the export
    /// are the owner's.
    CStatisticsDlg(QWidget* pOwner, doc::CStrokeDocument& document, platform::Prompter& prompter,
                   platform::FileDialogs& fileDialogs);
    ~CStatisticsDlg() override;

    /// Counts strokes [nFirst, nFirst + nCount) of the document, now and after
    /// every change to them, and shows the window in front.
    void ShowRange(int nFirst, int nCount);

    CStatisticsView* View() const { return m_pView; }
    bool IsComputing() const { return m_worker.IsBusy(); }

protected:
    bool event(QEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void hideEvent(QHideEvent* pEvent) override;

private:
    void OnCurrentChanged(const doc::CurrentChange& change) override;
    void OnStrokesChanged(const doc::StrokesChange& change) override;
    /// The window counts the selection while there is one, else every stroke.
    void OnSelectionChanged(const doc::StrokeRange& selection) override;

    void CreateExportButtons();
    void Restart();
    void ShowCurrentMinute();
    void OnComputed(std::shared_ptr<const statistics::StrokeStatistics> pStatistics);
    void OnTarget(const statistics::PlotTarget& target);
    void Export(statistics::ExportKind kind);

    doc::CStrokeDocument& m_document;
    platform::Prompter& m_prompter;
    platform::FileDialogs& m_fileDialogs;
    CStatisticsView* m_pView = nullptr; // child window
    CStatisticsWorker m_worker;
    statistics::StrokeRange m_range;
    std::shared_ptr<const statistics::StrokeStatistics> m_pStatistics;
    bool m_bPlaced = false;
};
