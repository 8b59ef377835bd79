#include "monitors/AdvStrokeView.h"

namespace {

constexpr int kKeyWeight = 600;
constexpr int kNumberWeight = 700;

} // namespace

CAdvStrokeView::CAdvStrokeView(QWidget* pParent, const CStenoStroke& stroke)
    : CMonitorView(pParent, stroke), m_keyFonts(MakeFonts(kKeyWeight)),
      m_numberFonts(MakeFonts(kNumberWeight))
{
}

void CAdvStrokeView::RecalcLayout()
{
    m_layout = monitors::ComputeKeyRowLayout({width(), height()}, ForLayout(m_keyFonts),
                                             ForLayout(m_numberFonts));
}

void CAdvStrokeView::PaintStroke(QPainter& painter, const CStenoStroke& stroke)
{
    const QtTextMeasurer& keyFont = m_keyFonts[static_cast<std::size_t>(m_layout.nKeyFont)];
    const QtTextMeasurer& numberFont =
        m_numberFonts[static_cast<std::size_t>(m_layout.nNumberFont)];
    PaintSteps(painter, monitors::PlanKeyRow(stroke, m_layout, keyFont, numberFont), keyFont,
               numberFont);
}
