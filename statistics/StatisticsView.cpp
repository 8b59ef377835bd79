#include "statistics/StatisticsView.h"

#include "platform/Drawing.h"
#include "platform/Fonts.h"

#include <QMouseEvent>
#include <QPainter>

using platform::ColorRef;
using platform::Rgb;
using statistics::PlotInk;

namespace {

const platform::FontDesc kFont{L"Arial", -12, platform::kWeightNormal, false,
                               platform::Pitch::Default};
constexpr int kCurrentAlpha = 70;
constexpr int kCaretHalf = 5;

ColorRef InkColour(PlotInk ink)
{
    switch (ink) {
    case PlotInk::Text:
        return Rgb(0x25, 0x30, 0x3D);
    case PlotInk::Title:
        return Rgb(0x24, 0x34, 0x47);
    case PlotInk::Faint:
    case PlotInk::Axis:
        return Rgb(0x6A, 0x75, 0x82);
    case PlotInk::Grid:
        return Rgb(0xE6, 0xE9, 0xED);
    case PlotInk::HourMark:
        return Rgb(0xC4, 0xCB, 0xD3);
    case PlotInk::Bar:
        return Rgb(0x4D, 0x63, 0x7E);
    case PlotInk::Current:
    case PlotInk::Median:
        return Rgb(0x2C, 0x8C, 0x86);
    case PlotInk::Box:
        return Rgb(0xB3, 0xC6, 0xD9);
    case PlotInk::Marked:
        return platform::kMarkedGrey;
    case PlotInk::Row:
        return Rgb(0xF2, 0xF4, 0xF6);
    }
    return platform::kBlack;
}

platform::FontDesc BoldOf(platform::FontDesc desc)
{
    desc.nWeight = platform::kWeightBold;
    return desc;
}

} // namespace

CStatisticsView::CStatisticsView(QWidget* pParent)
    : QWidget(pParent), m_boldFont(platform::MakeFont(BoldOf(kFont))),
      m_measurer(platform::MakeFont(kFont))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFont(m_measurer.Font());
}

void CStatisticsView::SetStatistics(std::shared_ptr<const statistics::StrokeStatistics> pStatistics,
                                    bool bFailed)
{
    m_pStatistics = std::move(pStatistics);
    m_bFailed = bFailed;
    Relayout();
    update();
}

void CStatisticsView::SetComputing(bool bComputing)
{
    if (bComputing == m_bComputing)
        return;
    m_bComputing = bComputing;
    update();
}

void CStatisticsView::SetCurrentMinute(std::optional<std::int64_t> nMinute)
{
    if (nMinute == m_nCurrentMinute)
        return;
    m_nCurrentMinute = nMinute;
    update();
}

void CStatisticsView::Relayout()
{
    m_layout = m_pStatistics ? statistics::LayOutStatistics(*m_pStatistics, {width(), height()},
                                                            m_measurer)
                             : statistics::StatisticsLayout{};
}

void CStatisticsView::resizeEvent(QResizeEvent* /*pEvent*/)
{
    Relayout();
}

void CStatisticsView::paintEvent(QPaintEvent* /*pEvent*/)
{
    QPainter painter(this);
    platform::FillSolidRect(painter, {0, 0, width(), height()}, platform::kWhite);
    PaintPicture(painter);
    PaintCurrentMinute(painter);
    PaintState(painter);
}

void CStatisticsView::PaintPicture(QPainter& painter) const
{
    const statistics::PlotPicture& picture = m_layout.picture;
    for (const statistics::PlotFill& fill : picture.fills)
        platform::FillSolidRect(painter, fill.rc, InkColour(fill.ink));
    for (const statistics::PlotLine& line : picture.lines) {
        painter.setPen(platform::ToQColor(InkColour(line.ink)));
        painter.drawLine(line.from.x, line.from.y, line.to.x, line.to.y);
    }
    platform::SetBkMode(painter, platform::BkMode::Transparent);
    for (const statistics::PlotLabel& label : picture.labels) {
        painter.setFont(label.bBold ? m_boldFont : m_measurer.Font());
        platform::SetTextColor(painter, InkColour(label.ink));
        platform::DrawText(painter, label.rc, label.strText, label.nFlags);
    }
}

void CStatisticsView::PaintCurrentMinute(QPainter& painter) const
{
    if (!m_nCurrentMinute)
        return;
    const platform::Rect rc = statistics::CurrentMinuteMark(m_layout.speed, *m_nCurrentMinute);
    if (rc.IsEmpty())
        return;
    QColor colour = platform::ToQColor(InkColour(PlotInk::Current));
    painter.setPen(colour);
    // A caret over the plot, pointing down at the minute.
    const int xCentre = (rc.left + rc.right) / 2;
    painter.setBrush(colour);
    const QPoint caret[] = {{xCentre - kCaretHalf, rc.top - kCaretHalf - 1},
                            {xCentre + kCaretHalf, rc.top - kCaretHalf - 1},
                            {xCentre, rc.top - 1}};
    painter.drawPolygon(caret, 3);
    colour.setAlpha(kCurrentAlpha);
    painter.setBrush(colour);
    painter.drawRect(platform::ToQRect(rc).adjusted(0, 0, -1, -1));
}

void CStatisticsView::PaintState(QPainter& painter) const
{
    const wchar_t* pszState = m_bComputing ? L"Computing..."
                              : m_bFailed  ? L"Not enough memory to compute the statistics"
                                           : nullptr;
    if (pszState == nullptr)
        return;
    painter.setFont(m_measurer.Font());
    platform::SetTextColor(painter, InkColour(PlotInk::Faint));
    // Before the first result the whole first line is free.
    const platform::Rect rcState =
        m_pStatistics ? m_layout.rcState : platform::Rect{10, 10, width() - 10, 40};
    platform::DrawText(painter, rcState, pszState,
                       (m_pStatistics ? platform::kDtRight : platform::kDtLeft) |
                           platform::kDtSingleLine | platform::kDtNoPrefix);
}

const statistics::PlotTarget* CStatisticsView::TargetAt(const QPoint& pt) const
{
    return m_layout.picture.TargetAt({pt.x(), pt.y()});
}

void CStatisticsView::mousePressEvent(QMouseEvent* pEvent)
{
    const statistics::PlotTarget* pTarget =
        pEvent->button() == Qt::LeftButton ? TargetAt(pEvent->position().toPoint()) : nullptr;
    if (pTarget == nullptr) {
        QWidget::mousePressEvent(pEvent);
        return;
    }
    // A copy: the slot may lay the picture out again.
    emit TargetClicked(statistics::PlotTarget(*pTarget));
}

void CStatisticsView::mouseMoveEvent(QMouseEvent* pEvent)
{
    // The hand tells what a click would do.
    setCursor(TargetAt(pEvent->position().toPoint()) != nullptr ? Qt::PointingHandCursor
                                                                : Qt::ArrowCursor);
    QWidget::mouseMoveEvent(pEvent);
}
