// The main window's picture: the stretched background, the status text, the
// outlined column headings and the path line. The child windows paint themselves.

#include "mainwindow/QuillmarkDlg.h"

#include "mainwindow/BackgroundPlan.h"
#include "mainwindow/OutlinedText.h"
#include "platform/Drawing.h"
#include "platform/QtTextMeasurer.h"
#include "platform/core/ColorRef.h"
#include "strokelist/StenoViewList.h"

#include <QPainter>

using namespace mainwindow;
using namespace platform;

namespace {

void DrawSteps(QPainter& painter, const std::vector<TextStep>& steps)
{
    for (const TextStep& step : steps) {
        if (step.bOutlined) {
            OutlinedTextOut(painter, step.x, step.y, step.strText, kBlack, kWhite);
            continue;
        }
        SetTextColor(painter, kWhite);
        TextOut(painter, step.x, step.y, step.strText);
    }
}

} // namespace

void CQuillmarkDlg::paintEvent(QPaintEvent* /*pEvent*/)
{
    // A minimised window is not painted on this platform: the task bar shows the icon.
    QPainter painter(this);
    SetBkMode(painter, BkMode::Transparent);
    PaintBackground(painter);
    PaintStatus(painter);
    PaintHeadings(painter);
    PaintPathLine(painter);
    // An open File menu stays drawn over the new background.
    if (m_fileMenu.isVisible())
        m_fileMenu.update();
}

void CQuillmarkDlg::PaintBackground(QPainter& painter) const
{
    const Size bitmap{m_bmpBackground.width(), m_bmpBackground.height()};
    for (const BitmapCopy& copy : PlanBackground({width(), height()}, bitmap))
        CopyBitmap(painter, copy.dx, copy.dy, m_bmpBackground,
                   {copy.sx, copy.sy, copy.sx + copy.cx, copy.sy + copy.cy});
}

void CQuillmarkDlg::PaintStatus(QPainter& painter) const
{
    painter.setFont(m_fontStatus);
    SetTextColor(painter, kBlack);
    DrawText(painter, m_rcStatus, StatusText(m_nStatusCurrent, m_nStatusCount),
             kDtLeft | kDtTop | kDtSingleLine);
}

void CQuillmarkDlg::PaintHeadings(QPainter& painter) const
{
    // The columns are the list's own, in its client coordinates, used as they are.
    const strokelist::ListLayout& layout = m_pList->Layout();
    const QtTextMeasurer measurer(m_fontHeading);
    painter.setFont(m_fontHeading);
    DrawSteps(painter, PlanHeading(L"Time", layout.rcTime.left, layout.rcTime.right, measurer));
    DrawSteps(painter,
              PlanHeading(L"Stroke", layout.rcStroke.left, layout.rcStroke.right, measurer));
    DrawSteps(painter, PlanHeading(L"Raw Stroke", layout.rcRaw.left, layout.rcRaw.right, measurer));
}

void CQuillmarkDlg::PaintPathLine(QPainter& painter) const
{
    const QtTextMeasurer measurer(m_fontPath);
    painter.setFont(m_fontPath);
    DrawSteps(painter, PlanPathLine(m_document.FileName(), width(), measurer));
}
