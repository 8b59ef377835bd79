#pragma once
// The stroke monitor's key row: the letters of the stroke's raw keys in their
// fixed places, and above each key with a value of 2 or more its value halved.

#include "monitors/KeyRowLayout.h"
#include "monitors/MonitorView.h"

class CAdvStrokeView : public CMonitorView
{
    Q_OBJECT

public:
    CAdvStrokeView(QWidget* pParent, const CStenoStroke& stroke);

    const monitors::KeyRowLayout& Layout() const { return m_layout; }

protected:
    void RecalcLayout() override;
    void PaintStroke(QPainter& painter, const CStenoStroke& stroke) override;

private:
    std::vector<QtTextMeasurer> m_keyFonts;
    std::vector<QtTextMeasurer> m_numberFonts;
    monitors::KeyRowLayout m_layout;
};
