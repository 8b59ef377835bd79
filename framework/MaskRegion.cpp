#include "framework/MaskRegion.h"

#include <cstddef>

namespace framework {
namespace {

constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

bool IsInside(std::uint32_t nPixel)
{
    return (nPixel & kRgbMask) != kRgbMask;
}

void AddRuns(std::span<const std::uint32_t> row, int y, std::vector<platform::Rect>& runs)
{
    const int nWidth = static_cast<int>(row.size());
    int x = 0;
    while (x < nWidth) {
        if (!IsInside(row[static_cast<std::size_t>(x)])) {
            ++x;
            continue;
        }
        const int nStart = x;
        while (x < nWidth && IsInside(row[static_cast<std::size_t>(x)]))
            ++x;
        runs.push_back({nStart, y, x, y + 1});
    }
}

} // namespace

std::vector<platform::Rect> RegionFromMask(const PixelBuffer& mask)
{
    std::vector<platform::Rect> runs;
    if (mask.nWidth <= 0 || mask.nHeight <= 0 || mask.nStride < mask.nWidth)
        return runs;
    const auto nNeeded = static_cast<std::size_t>(mask.nStride) * (mask.nHeight - 1) +
                         static_cast<std::size_t>(mask.nWidth);
    if (mask.pixels.size() < nNeeded)
        return runs;
    for (int y = 0; y < mask.nHeight; ++y) {
        const auto nOffset = static_cast<std::size_t>(y) * static_cast<std::size_t>(mask.nStride);
        AddRuns(mask.pixels.subspan(nOffset, static_cast<std::size_t>(mask.nWidth)), y, runs);
    }
    return runs;
}

} // namespace framework
