#include "statistics/ValueCounts.h"

#include <cmath>

namespace statistics {

int CValueCounts::ValueAt(std::int64_t nRank) const
{
    std::int64_t nBelow = 0;
    for (std::size_t v = 0; v < m_counts.size(); ++v) {
        nBelow += m_counts[v];
        if (nBelow > nRank)
            return static_cast<int>(v);
    }
    return kLargestShownValue;
}

double CValueCounts::Quantile(double fraction) const
{
    const double position = fraction * static_cast<double>(m_nCount - 1);
    const auto nLower = static_cast<std::int64_t>(std::floor(position));
    const int nLow = ValueAt(nLower);
    const int nHigh = nLower + 1 < m_nCount ? ValueAt(nLower + 1) : nLow;
    return nLow + (position - static_cast<double>(nLower)) * (nHigh - nLow);
}

std::vector<std::int64_t> CValueCounts::Histogram(int nMin, int nMax, int nWidth) const
{
    std::vector<std::int64_t> histogram(static_cast<std::size_t>((nMax - nMin) / nWidth + 1));
    for (int v = nMin; v <= nMax; ++v)
        histogram[static_cast<std::size_t>((v - nMin) / nWidth)] +=
            m_counts[static_cast<std::size_t>(v)];
    return histogram;
}

ValueSummary CValueCounts::Summary() const
{
    ValueSummary summary;
    if (m_nCount == 0)
        return summary;
    summary.nCount = m_nCount;
    summary.nMin = ValueAt(0);
    summary.nMax = ValueAt(m_nCount - 1);
    summary.lowerQuartile = Quantile(0.25);
    summary.median = Quantile(0.5);
    summary.upperQuartile = Quantile(0.75);
    const int nRange = summary.nMax - summary.nMin + 1;
    summary.nBinWidth = (nRange + kValueBins - 1) / kValueBins;
    summary.histogram = Histogram(summary.nMin, summary.nMax, summary.nBinWidth);
    return summary;
}

} // namespace statistics
