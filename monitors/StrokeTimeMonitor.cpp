#include "monitors/StrokeTimeMonitor.h"

#include "framework/CommandIds.h"
#include "monitors/AdvStrokeTimesView.h"
#include "monitors/MonitorText.h"
#include "monitors/StrokeMonitorDlg.h"
#include "platform/Desktop.h"

namespace {

constexpr int kBackgroundBitmap = 187;
// The frame: a 40-column right border and its band repeated across, the bottom
// filled with the 5-column slice at W − 45.
constexpr int kRightBorder = 40;
constexpr int kBottomStep = 5;
constexpr int kBottomFromRight = 45;
constexpr QSize kCreationSize{120, 463};
constexpr int kScreenShare = 5;

} // namespace

CStrokeTimeMonitor::CStrokeTimeMonitor(QWidget* pOwner, const CStrokeMonitorDlg& strokeMonitor)
    : CMonitorFrameDlg(pOwner, kBackgroundBitmap, kRightBorder, kBottomStep, kBottomFromRight,
                       kCreationSize)
{
    setWindowTitle(QStringLiteral("Stroke Times"));
    // It opens at the stroke monitor's top-left corner, on the screen even when
    // that corner is near the bottom.
    const QPoint ptOwner = strokeMonitor.pos();
    const platform::Point pt =
        monitors::KeepWithin({ptOwner.x(), ptOwner.y(), ptOwner.x() + BitmapSize().width(),
                              ptOwner.y() + BitmapSize().height()},
                             platform::DesktopWorkArea());
    move(pt.x, pt.y);
    const platform::Size screen = platform::FullScreenClientSize();
    SetMaxTrackSize({screen.cx / kScreenShare, screen.cy});
    auto* pView = new CAdvStrokeTimesView(this, strokeMonitor.Stroke());
    AddView(pView, QRect(QPoint(3, 35), QPoint(width() - 7, height() - 6)),
            framework::IDC_STROKE_TIME_VIEW);
}

void CStrokeTimeMonitor::showEvent(QShowEvent* pEvent)
{
    CMonitorFrameDlg::showEvent(pEvent);
    // Never smaller than the background bitmap, though it opens smaller.
    SetMinTrackSize(BitmapSize());
    ApplyMinMax(this);
}
