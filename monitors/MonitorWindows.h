#pragma once
// The two monitors of the main window: the stroke monitor and the stroke time
// monitor, both owned by the main window and following the document's current
// stroke, with the Configuration and Stroke Times commands that show them.

#include "document/DocumentObserver.h"

class CStrokeMonitorDlg;
class CStrokeTimeMonitor;
class QWidget;

namespace doc {
class CStrokeDocument;
}

class CMonitorWindows : private doc::IDocumentObserver
{
public:
    /// The stroke monitor opens at the lower left of the work area; both stay
    /// hidden until ShowAtStart.
    CMonitorWindows(QWidget* pOwner, doc::CStrokeDocument& document);
    ~CMonitorWindows() override;
    CMonitorWindows(const CMonitorWindows&) = delete;
    CMonitorWindows& operator=(const CMonitorWindows&) = delete;

    /// Shows the stroke monitor once the owner is on the screen, so the window
    /// manager stacks it above.
    void ShowAtStart();
    /// Options ▸ Configuration: whether the stroke monitor is shown.
    void Configure();
    /// Options ▸ Stroke Times: shows and raises the time monitor without
    /// taking the keyboard.
    void ShowStrokeTimes();

    CStrokeMonitorDlg* StrokeMonitor() const { return m_pStrokeMonitor; }
    CStrokeTimeMonitor* TimeMonitor() const { return m_pTimeMonitor; }
    bool ShowsStrokeMonitor() const { return m_bShowStrokeMonitor; }

private:
    // An edit changes neither raw keys, values nor key times, so refreshing on
    // every change is cheap and always right.
    void OnCurrentChanged(const doc::CurrentChange& change) override;
    void OnStrokesChanged(const doc::StrokesChange& change) override;
    void Refresh();

    QWidget* m_pOwner;
    doc::CStrokeDocument& m_document;
    bool m_bShowStrokeMonitor = true; // lasts until the program ends
    CStrokeMonitorDlg* m_pStrokeMonitor;
    CStrokeTimeMonitor* m_pTimeMonitor;
};
