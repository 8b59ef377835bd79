// The main window's part in the monitors: it makes them, keeps them on the
// current stroke, and runs the Configuration and Stroke Times commands.

#include "mainwindow/QuillmarkDlg.h"

#include "monitors/ConfigurationDlg.h"
#include "monitors/StrokeMonitorDlg.h"
#include "monitors/StrokeTimeMonitor.h"
#include "platform/Desktop.h"
#include "strokelist/StenoViewList.h"

#include <QTimer>

namespace {

// The stroke monitor opens at the lower left of the work area.
constexpr int kMonitorLeft = 8;
constexpr int kMonitorAboveBottom = 43;

} // namespace

void CQuillmarkDlg::CreateMonitors()
{
    m_pStrokeMonitor = new CStrokeMonitorDlg(this);
    const platform::Rect rcWork = platform::DesktopWorkArea();
    m_pStrokeMonitor->move(rcWork.left + kMonitorLeft,
                           rcWork.bottom - m_pStrokeMonitor->height() - kMonitorAboveBottom);
    m_pTimeMonitor = new CStrokeTimeMonitor(m_pStrokeMonitor);
    connect(m_pStrokeMonitor, &CStrokeMonitorDlg::ClosedByUser, this,
            [this] { m_bShowStrokeMonitor = false; });
}

void CQuillmarkDlg::ShowMonitorAtStart()
{
    // Once the main window is on the screen, so the window manager stacks the
    // monitor above it.
    QTimer::singleShot(0, m_pStrokeMonitor,
                       [this] { m_pStrokeMonitor->setVisible(m_bShowStrokeMonitor); });
}

void CQuillmarkDlg::UpdateMonitors()
{
    if (m_pStrokeMonitor == nullptr || m_pList == nullptr)
        return;
    const strokelist::CStrokeDocument& document = m_pList->Document();
    const int nCurrent = document.Current();
    m_pStrokeMonitor->SetStroke(nCurrent == -1 ? CStenoStroke{} : document.Stroke(nCurrent));
    m_pTimeMonitor->RepaintWhole();
}

void CQuillmarkDlg::OnOptionsConfiguration()
{
    m_optionsMenu.hide();
    CConfigurationDlg dialog(this);
    dialog.SetShowMonitor(m_bShowStrokeMonitor);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_bShowStrokeMonitor = dialog.ShowMonitor();
    m_pStrokeMonitor->setVisible(m_bShowStrokeMonitor);
}

void CQuillmarkDlg::OnOptionsStrokeTimes()
{
    m_optionsMenu.hide();
    m_pTimeMonitor->show();
}
