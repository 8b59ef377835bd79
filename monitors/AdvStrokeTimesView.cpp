#include "monitors/AdvStrokeTimesView.h"

#include "platform/core/FontDesc.h"

CAdvStrokeTimesView::CAdvStrokeTimesView(QWidget* pParent, const CStenoStroke& stroke)
    : CMonitorView(pParent, stroke), m_fonts(MakeFonts(platform::kWeightBold))
{
}

void CAdvStrokeTimesView::RecalcLayout()
{
    const auto fonts = ForLayout(m_fonts);
    m_layout = monitors::ComputeKeyTimesLayout({width(), height()}, fonts, fonts);
}

void CAdvStrokeTimesView::PaintStroke(QPainter& painter, const CStenoStroke& stroke)
{
    const QtTextMeasurer& keyFont = m_fonts[static_cast<std::size_t>(m_layout.nKeyFont)];
    const QtTextMeasurer& timeFont = m_fonts[static_cast<std::size_t>(m_layout.nTimeFont)];
    PaintSteps(painter, monitors::PlanKeyTimes(stroke, m_layout, keyFont, timeFont), keyFont,
               timeFont);
}
