#include "framework/MaskRegion.h"

#include <gtest/gtest.h>

#include <vector>

using namespace framework;
using platform::Rect;

namespace {

constexpr std::uint32_t W = 0xFFFFFFFF; // white, alpha set
constexpr std::uint32_t K = 0xFF000000; // black
constexpr std::uint32_t N = 0x00FFFFFE; // almost white is inside

} // namespace

TEST(MaskRegion, EachRunOfARowIsOneRectangle)
{
    // A rounded shape with a hole in the middle row.
    const std::vector<std::uint32_t> pixels = {
        W, K, K, K, W, //
        K, K, W, K, N, //
        W, W, W, W, W, //
        K, W, W, W, K, //
    };
    const std::vector<Rect> expected = {
        {1, 0, 4, 1}, {0, 1, 2, 2}, {3, 1, 5, 2}, {0, 3, 1, 4}, {4, 3, 5, 4},
    };
    EXPECT_EQ(RegionFromMask({pixels, 5, 4, 5}), expected);
}

TEST(MaskRegion, StrideSkipsThePaddingOfEachRow)
{
    // Two columns of padding (black) that must not count.
    const std::vector<std::uint32_t> pixels = {
        K, W, K, K, //
        W, K, K, K, //
    };
    const std::vector<Rect> expected = {{0, 0, 1, 1}, {1, 1, 2, 2}};
    EXPECT_EQ(RegionFromMask({pixels, 2, 2, 4}), expected);
}

TEST(MaskRegion, AWhiteMaskOrABufferTooSmallForItsSizeGivesNothing)
{
    const std::vector<std::uint32_t> white(31 * 31, W);
    EXPECT_TRUE(RegionFromMask({white, 31, 31, 31}).empty());
    // White without alpha is white too: only the colour counts.
    const std::vector<std::uint32_t> noAlpha(4, 0x00FFFFFF);
    EXPECT_TRUE(RegionFromMask({noAlpha, 2, 2, 2}).empty());
    const std::vector<std::uint32_t> black(7, K);
    EXPECT_TRUE(RegionFromMask({black, 4, 2, 4}).empty());
    EXPECT_TRUE(RegionFromMask({black, 4, 2, 3}).empty());
    EXPECT_TRUE(RegionFromMask({black, 0, 2, 0}).empty());
}
