#pragma once
// What the two monitor views share: the stroke they show, read at every paint;
// forty sizes of Tahoma per font; a layout made at the first paint and after
// every size change; a white panel with the planned text steps on it.

#include "monitors/MonitorText.h"
#include "platform/QtTextMeasurer.h"
#include "steno/StenoStroke.h"

#include <QWidget>

#include <vector>

class CMonitorView : public QWidget
{
    Q_OBJECT

public:
    CMonitorView(QWidget* pParent, const CStenoStroke& stroke);

protected:
    /// Tahoma at character heights 10 to 49, fixed pitch requested, in one weight.
    static std::vector<QtTextMeasurer> MakeFonts(int nWeight);
    /// The fonts as the layouts take them.
    static std::vector<const platform::TextMeasurer*>
    ForLayout(const std::vector<QtTextMeasurer>& fonts);

    virtual void RecalcLayout() = 0;
    /// The steps that show the stroke, in the fonts the layout chose.
    virtual void PaintStroke(QPainter& painter, const CStenoStroke& stroke) = 0;

    void PaintSteps(QPainter& painter, const std::vector<monitors::MonitorTextStep>& steps,
                    const QtTextMeasurer& keyFont, const QtTextMeasurer& valueFont) const;

    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    const CStenoStroke& m_stroke;
    bool m_bLayoutDone = false;
};
