#pragma once
// The stroke time monitor: a tall, narrow skinned window listing the 24 keys
// and, beside each key of the stroke monitor's stroke that was struck with a
// value of 2 or more, the time of day it was struck, to the millisecond.

#include "monitors/MonitorFrameDlg.h"

class CStrokeMonitorDlg;

class CStrokeTimeMonitor : public CMonitorFrameDlg
{
    Q_OBJECT

public:
    /// Shows the stroke monitor's stroke and opens at its top-left corner. Its
    /// owner is the main window, so it stays reachable above it whether or not
    /// the stroke monitor is shown.
    CStrokeTimeMonitor(QWidget* pOwner, const CStrokeMonitorDlg& strokeMonitor);

protected:
    void showEvent(QShowEvent* pEvent) override;
};
