#include "platform/QtTextMeasurer.h"

#include <QString>

QtTextMeasurer::QtTextMeasurer(const QFont& font) : m_font(font), m_metrics(font) {}

platform::Size QtTextMeasurer::TextExtent(std::wstring_view text) const
{
    const QString strText =
        QString::fromWCharArray(text.data(), static_cast<qsizetype>(text.size()));
    return {m_metrics.horizontalAdvance(strText), m_metrics.height()};
}
