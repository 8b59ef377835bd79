#include "monitors/MonitorWindows.h"

#include "document/StrokeDocument.h"
#include "monitors/ConfigurationDlg.h"
#include "monitors/StrokeMonitorDlg.h"
#include "monitors/StrokeTimeMonitor.h"
#include "platform/Desktop.h"

#include <QTimer>

namespace {

// The stroke monitor opens at the lower left of the work area.
constexpr int kMonitorLeft = 8;
constexpr int kMonitorAboveBottom = 43;

} // namespace

CMonitorWindows::CMonitorWindows(QWidget* pOwner, doc::CStrokeDocument& document)
    : m_pOwner(pOwner), m_document(document), m_pStrokeMonitor(new CStrokeMonitorDlg(pOwner))
{
    const platform::Rect rcWork = platform::DesktopWorkArea();
    m_pStrokeMonitor->move(rcWork.left + kMonitorLeft,
                           rcWork.bottom - m_pStrokeMonitor->height() - kMonitorAboveBottom);
    m_pTimeMonitor = new CStrokeTimeMonitor(pOwner, *m_pStrokeMonitor);
    QObject::connect(m_pStrokeMonitor, &CStrokeMonitorDlg::ClosedByUser,
                     [this] { m_bShowStrokeMonitor = false; });
    m_document.AddObserver(*this);
}

CMonitorWindows::~CMonitorWindows()
{
    m_document.RemoveObserver(*this);
    delete m_pTimeMonitor;
    delete m_pStrokeMonitor;
}

void CMonitorWindows::ShowAtStart()
{
    QTimer::singleShot(0, m_pStrokeMonitor,
                       [this] { m_pStrokeMonitor->setVisible(m_bShowStrokeMonitor); });
}

void CMonitorWindows::OnCurrentChanged(const doc::CurrentChange&)
{
    Refresh();
}

void CMonitorWindows::OnStrokesChanged(const doc::StrokesChange&)
{
    Refresh();
}

void CMonitorWindows::Refresh()
{
    const int nCurrent = m_document.Current();
    m_pStrokeMonitor->SetStroke(nCurrent == -1 ? CStenoStroke{} : m_document.Stroke(nCurrent));
    m_pTimeMonitor->RepaintWhole();
}

void CMonitorWindows::Configure()
{
    CConfigurationDlg dialog(m_pOwner);
    dialog.SetShowMonitor(m_bShowStrokeMonitor);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_bShowStrokeMonitor = dialog.ShowMonitor();
    m_pStrokeMonitor->setVisible(m_bShowStrokeMonitor);
}

void CMonitorWindows::ShowStrokeTimes()
{
    m_pTimeMonitor->show();
    m_pTimeMonitor->raise();
}
