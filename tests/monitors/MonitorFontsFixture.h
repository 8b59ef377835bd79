#pragma once
// Forty fixed-width fonts made by a rule, as the monitors' font arrays.

#include "monitors/MonitorText.h"
#include "tests/support/FixedMeasurer.h"

#include <functional>
#include <vector>

class CFixedFonts
{
public:
    explicit CFixedFonts(const std::function<FixedMeasurer(int)>& make)
    {
        for (int i = 0; i < monitors::kMonitorFontCount; ++i)
            m_fonts.push_back(make(i));
        for (const FixedMeasurer& font : m_fonts)
            m_pointers.push_back(&font);
    }

    operator monitors::MonitorFonts() const { return m_pointers; }

private:
    std::vector<FixedMeasurer> m_fonts;
    std::vector<const platform::TextMeasurer*> m_pointers;
};
