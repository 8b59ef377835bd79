#pragma once
// A text measurer with fixed widths: every character is nCharWidth pixels
// wide unless listed in the overrides; the height is fixed.

#include "platform/core/TextMeasurer.h"

#include <map>

class FixedMeasurer : public platform::TextMeasurer
{
public:
    explicit FixedMeasurer(int nCharWidth, int nHeight = 16)
        : m_nCharWidth(nCharWidth), m_nHeight(nHeight)
    {
    }

    void SetWidth(wchar_t ch, int nWidth) { m_widths[ch] = nWidth; }

    platform::Size TextExtent(std::wstring_view text) const override
    {
        int width = 0;
        for (wchar_t ch : text) {
            const auto it = m_widths.find(ch);
            width += it == m_widths.end() ? m_nCharWidth : it->second;
        }
        return {width, m_nHeight};
    }

private:
    int m_nCharWidth;
    int m_nHeight;
    std::map<wchar_t, int> m_widths;
};
