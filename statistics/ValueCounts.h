#pragma once
// The distribution of one key's values as the monitor shows them (0 ... 32767),
// counted value by value so that its quartiles are exact for any number of strokes.

#include <cstdint>
#include <vector>

namespace statistics {

inline constexpr int kLargestShownValue = 32767;
inline constexpr int kValueBins = 16;

struct ValueSummary
{
    std::int64_t nCount = 0;
    int nMin = 0;
    int nMax = 0;
    // Quartiles between neighbouring values, as spreadsheets and plotting
    // programs compute them by default.
    double lowerQuartile = 0;
    double median = 0;
    double upperQuartile = 0;
    int nBinWidth = 1; ///< bins of the histogram start at nMin
    std::vector<std::int64_t>
        histogram; ///< at most kValueBins bins, up to nMax; empty without values
};

class CValueCounts
{
public:
    CValueCounts() : m_counts(kLargestShownValue + 1) {}

    /// nShown lies in 0 ... kLargestShownValue.
    void Add(int nShown)
    {
        ++m_counts[static_cast<std::size_t>(nShown)];
        ++m_nCount;
    }
    ValueSummary Summary() const;

private:
    int ValueAt(std::int64_t nRank) const;
    double Quantile(double fraction) const;
    std::vector<std::int64_t> Histogram(int nMin, int nMax, int nWidth) const;

    std::vector<std::uint32_t> m_counts;
    std::int64_t m_nCount = 0;
};

} // namespace statistics
