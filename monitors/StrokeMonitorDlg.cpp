#include "monitors/StrokeMonitorDlg.h"

#include "framework/CommandIds.h"
#include "monitors/AdvStrokeView.h"
#include "platform/Desktop.h"

namespace {

constexpr int kBackgroundBitmap = 170;
// The frame: an 80-column right border, the 80-column band left of it repeated
// across, the bottom filled from column W − 160.
constexpr int kRightBorder = 80;
constexpr int kBottomStep = 80;
constexpr int kBottomFromRight = 160;
constexpr QSize kCreationSize{566, 106};
constexpr QRect kViewRect{QPoint(5, 5), QPoint(524, 94)};

} // namespace

CStrokeMonitorDlg::CStrokeMonitorDlg(QWidget* pOwner)
    : CMonitorFrameDlg(pOwner, kBackgroundBitmap, kRightBorder, kBottomStep, kBottomFromRight,
                       kCreationSize)
{
    setWindowTitle(QStringLiteral("Stroke Monitor"));
    // As wide as the screen, twice as high as at creation.
    SetMaxTrackSize({platform::FullScreenClientSize().cx, 2 * height()});
    auto* pView = new CAdvStrokeView(this, m_stroke);
    AddView(pView, kViewRect, framework::IDC_STROKE_MONITOR_VIEW);
}

void CStrokeMonitorDlg::SetStroke(const CStenoStroke& stroke)
{
    m_stroke = stroke;
    RepaintWhole();
}

void CStrokeMonitorDlg::OnCancel()
{
    CMonitorFrameDlg::OnCancel();
    emit ClosedByUser();
}
