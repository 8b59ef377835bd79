#pragma once
// The stroke time monitor's list: the 24 key letters one under the other and,
// beside each key with a value of 2 or more, the time it was struck.

#include "monitors/KeyTimesLayout.h"
#include "monitors/MonitorView.h"

class CAdvStrokeTimesView : public CMonitorView
{
    Q_OBJECT

public:
    CAdvStrokeTimesView(QWidget* pParent, const CStenoStroke& stroke);

    const monitors::KeyTimesLayout& Layout() const { return m_layout; }

protected:
    void RecalcLayout() override;
    void PaintStroke(QPainter& painter, const CStenoStroke& stroke) override;

private:
    /// The letters and the times choose their sizes apart from the same fonts.
    std::vector<QtTextMeasurer> m_fonts;
    monitors::KeyTimesLayout m_layout;
};
