#pragma once
// Measures text in one Qt font, so the core's layout arithmetic can run over
// the fonts a widget draws with. The metrics are made once: views measure
// every key cell of every row they paint.

#include "platform/core/TextMeasurer.h"

#include <QFont>
#include <QFontMetrics>

class QtTextMeasurer : public platform::TextMeasurer
{
public:
    explicit QtTextMeasurer(const QFont& font);

    /// The advance of the text on one line and the font's cell height, as
    /// platform::TextExtent gives them.
    platform::Size TextExtent(std::wstring_view text) const override;

    const QFont& Font() const { return m_font; }

private:
    QFont m_font;
    QFontMetrics m_metrics;
};
