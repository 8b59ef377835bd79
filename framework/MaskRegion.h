#pragma once
// The shape of a skinned control, read from its mask bitmap: every pixel that
// is not pure white belongs to the control.

#include "platform/core/Geometry.h"

#include <cstdint>
#include <span>
#include <vector>

namespace framework {

/// Rows of 32-bit pixels 0xAARRGGBB (the alpha byte is ignored); nStride is the
/// distance between rows in pixels.
struct PixelBuffer
{
    std::span<const std::uint32_t> pixels;
    int nWidth = 0;
    int nHeight = 0;
    int nStride = 0;
};

/// Each maximal run of non-white pixels of a row, top row first and left to
/// right, as a one-pixel-high rectangle. An all-white mask gives none.
std::vector<platform::Rect> RegionFromMask(const PixelBuffer& mask);

} // namespace framework
