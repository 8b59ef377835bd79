#pragma once
// The stroke monitor: a small skinned window that shows the current stroke of
// the list as it came off the steno machine, the raw keys in their places on
// one row with the per-key values above them. The main window hands it a copy
// of every new current stroke; the stroke time monitor shows the same copy.

#include "monitors/MonitorFrameDlg.h"
#include "steno/StenoStroke.h"


class CStrokeMonitorDlg : public CMonitorFrameDlg
{
    Q_OBJECT

public:
    explicit CStrokeMonitorDlg(QWidget* pOwner);

    /// Takes a copy of the stroke to show and repaints the whole window.
    void SetStroke(const CStenoStroke& stroke);
    const CStenoStroke& Stroke() const { return m_stroke; }

    /// The close button: hides the monitor and tells the owner, which then
    /// stops showing it.
    void OnCancel() override;

signals:
    void ClosedByUser();

private:
    CStenoStroke m_stroke;
};
