#include "monitors/MonitorView.h"

#include "platform/Drawing.h"
#include "platform/Fonts.h"

#include <QPainter>

CMonitorView::CMonitorView(QWidget* pParent, const CStenoStroke& stroke)
    : QWidget(pParent), m_stroke(stroke)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

std::vector<QtTextMeasurer> CMonitorView::MakeFonts(int nWeight)
{
    std::vector<QtTextMeasurer> fonts;
    fonts.reserve(monitors::kMonitorFontCount);
    for (int i = 0; i < monitors::kMonitorFontCount; ++i)
        fonts.emplace_back(platform::MakeFont(
            {L"Tahoma", -(monitors::kSmallestFont + i), nWeight, false, platform::Pitch::Fixed}));
    return fonts;
}

std::vector<const platform::TextMeasurer*>
CMonitorView::ForLayout(const std::vector<QtTextMeasurer>& fonts)
{
    std::vector<const platform::TextMeasurer*> pointers;
    pointers.reserve(fonts.size());
    for (const QtTextMeasurer& font : fonts)
        pointers.push_back(&font);
    return pointers;
}

void CMonitorView::PaintSteps(QPainter& painter,
                              const std::vector<monitors::MonitorTextStep>& steps,
                              const QtTextMeasurer& keyFont, const QtTextMeasurer& valueFont) const
{
    platform::FillSolidRect(painter, platform::FromQRect(rect()), platform::kWhite);
    platform::SetBkMode(painter, platform::BkMode::Transparent);
    for (const monitors::MonitorTextStep& step : steps) {
        painter.setFont(step.font == monitors::MonitorFont::Key ? keyFont.Font()
                                                                : valueFont.Font());
        platform::SetTextColor(painter, step.color);
        platform::TextOut(painter, step.x, step.y, step.strText);
    }
}

void CMonitorView::paintEvent(QPaintEvent* /*pEvent*/)
{
    if (!m_bLayoutDone) {
        m_bLayoutDone = true;
        RecalcLayout();
    }
    QPainter painter(this);
    PaintStroke(painter, m_stroke);
}

void CMonitorView::resizeEvent(QResizeEvent* pEvent)
{
    QWidget::resizeEvent(pEvent);
    RecalcLayout();
    update();
}
