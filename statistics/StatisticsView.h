#pragma once
// The statistics window's view: paints the laid-out plots and tables, marks
// the current stroke's minute on the speed plot, shows while a computation is
// under way, and tells which target a click landed on.

#include "platform/QtTextMeasurer.h"
#include "statistics/StatisticsLayout.h"

#include <QWidget>

#include <memory>
#include <optional>

class CStatisticsView : public QWidget
{
    Q_OBJECT

public:
    explicit CStatisticsView(QWidget* pParent);

    /// Shows these statistics; null: nothing computed yet, or the
    /// computation failed (bFailed).
    void SetStatistics(std::shared_ptr<const statistics::StrokeStatistics> pStatistics,
                       bool bFailed = false);
    void SetComputing(bool bComputing);
    /// The minute of the current stroke; none without one in the counted strokes.
    void SetCurrentMinute(std::optional<std::int64_t> nMinute);

    const statistics::StatisticsLayout& Layout() const { return m_layout; }

signals:
    void TargetClicked(const statistics::PlotTarget& target);

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;

private:
    void Relayout();
    void PaintPicture(QPainter& painter) const;
    void PaintCurrentMinute(QPainter& painter) const;
    void PaintState(QPainter& painter) const;
    const statistics::PlotTarget* TargetAt(const QPoint& pt) const;

    QFont m_boldFont;
    QtTextMeasurer m_measurer;
    std::shared_ptr<const statistics::StrokeStatistics> m_pStatistics;
    statistics::StatisticsLayout m_layout;
    bool m_bFailed = false;
    bool m_bComputing = false;
    std::optional<std::int64_t> m_nCurrentMinute;
};
