// The skin as the program sees it: every bitmap loads from the embedded
// resources by number at exactly the size the windows are laid out for, the
// masks cut rounded buttons, each button shows a different picture per state,
// and the slices that stretch the main window and the monitors meet without
// seams.
#include <QImage>
#include <QRect>
#include <QString>
#include <gtest/gtest.h>
#include <string>

namespace {

struct ExpectedBitmap
{
    int nNumber;
    int nWidth;
    int nHeight;
};

// The sizes the windows are laid out for, written independently of the
// generator's table; the buttons' other states are checked against their masks.
constexpr ExpectedBitmap kExpectedBitmaps[] = {
    {128, 64, 64},   {130, 675, 521}, {142, 31, 31},   {145, 76, 30},   {159, 157, 67},
    {160, 157, 185}, {161, 157, 145}, {163, 149, 22},  {185, 144, 2},   {165, 451, 202},
    {167, 29, 36},   {170, 583, 103}, {187, 122, 537}, {171, 401, 150}, {172, 301, 150},
    {173, 401, 180}, {183, 73, 30},
};

constexpr QRgb kWhite = qRgb(255, 255, 255);

QImage LoadBitmap(int nNumber)
{
    return QImage(QStringLiteral(":/bitmaps/%1.png").arg(nNumber));
}

class BitmapSizeTest : public ::testing::TestWithParam<ExpectedBitmap>
{
};

TEST_P(BitmapSizeTest, LoadsFromTheResourcesAtItsExactSize)
{
    const ExpectedBitmap expected = GetParam();
    const QImage image = LoadBitmap(expected.nNumber);
    ASSERT_FALSE(image.isNull()) << "bitmap " << expected.nNumber << " is not embedded";
    EXPECT_EQ(image.width(), expected.nWidth);
    EXPECT_EQ(image.height(), expected.nHeight);
}

INSTANTIATE_TEST_SUITE_P(Skin, BitmapSizeTest, ::testing::ValuesIn(kExpectedBitmaps),
                         [](const ::testing::TestParamInfo<ExpectedBitmap>& info) {
                             return "Bitmap" + std::to_string(info.param.nNumber);
                         });

struct MaskCase
{
    int nMask;
    QPoint inside; // a point well inside the button's shape
};

class SkinMaskTest : public ::testing::TestWithParam<MaskCase>
{
};

TEST_P(SkinMaskTest, IsWhiteInTheCornersAndCoversMostOfItsButton)
{
    const QImage mask = LoadBitmap(GetParam().nMask);
    ASSERT_FALSE(mask.isNull());
    const int nRight = mask.width() - 1;
    const int nBottom = mask.height() - 1;
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(nRight, 0), QPoint(0, nBottom), QPoint(nRight, nBottom)})
        EXPECT_EQ(mask.pixel(corner), kWhite) << "corner " << corner.x() << "," << corner.y();
    EXPECT_NE(mask.pixel(GetParam().inside), kWhite);
    int nInside = 0;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x)
            nInside += mask.pixel(x, y) != kWhite ? 1 : 0;
    }
    EXPECT_GT(nInside * 5, mask.width() * mask.height() * 2) << "less than 40 % is clickable";
}

INSTANTIATE_TEST_SUITE_P(Skin, SkinMaskTest,
                         ::testing::Values(MaskCase{142, {15, 15}}, MaskCase{145, {38, 15}},
                                           MaskCase{167, {14, 21}}, MaskCase{183, {36, 15}}),
                         [](const ::testing::TestParamInfo<MaskCase>& info) {
                             return "Mask" + std::to_string(info.param.nMask);
                         });

struct ButtonSkin
{
    int nNormal;
    int nDown;
    int nOver;
    int nMask;
};

class ButtonSkinTest : public ::testing::TestWithParam<ButtonSkin>
{
};

TEST_P(ButtonSkinTest, ShowsADifferentPictureInEachStateAtTheMaskSize)
{
    const ButtonSkin skin = GetParam();
    const QImage normal = LoadBitmap(skin.nNormal);
    const QImage down = LoadBitmap(skin.nDown);
    const QImage over = LoadBitmap(skin.nOver);
    const QSize size = LoadBitmap(skin.nMask).size();
    EXPECT_TRUE(normal.size() == size && down.size() == size && over.size() == size);
    EXPECT_NE(normal, down);
    EXPECT_NE(normal, over);
    EXPECT_NE(down, over);
}

INSTANTIATE_TEST_SUITE_P(
    Skin, ButtonSkinTest,
    ::testing::Values(ButtonSkin{133, 131, 132, 142}, ButtonSkin{136, 134, 135, 142},
                      ButtonSkin{139, 137, 138, 142}, ButtonSkin{156, 154, 155, 145},
                      ButtonSkin{153, 151, 152, 145}, ButtonSkin{150, 148, 149, 145},
                      ButtonSkin{147, 157, 158, 145}, ButtonSkin{181, 182, 184, 183},
                      ButtonSkin{169, 166, 168, 167}),
    [](const ::testing::TestParamInfo<ButtonSkin>& info) {
        return "Normal" + std::to_string(info.param.nNormal);
    });

// Seams: where a repeated slice follows a copy, the column (or row) just
// before the slice in the bitmap must equal the one the picture ends with,
// else every repetition shows a step.
::testing::AssertionResult ColumnsMatch(const QImage& image, int xa, int xb, int y0, int y1)
{
    for (int y = y0; y < y1; ++y) {
        if (image.pixel(xa, y) != image.pixel(xb, y))
            return ::testing::AssertionFailure()
                   << "columns " << xa << " and " << xb << " differ at row " << y;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult RowsMatch(const QImage& image, int ya, int yb, int x0, int x1)
{
    for (int x = x0; x < x1; ++x) {
        if (image.pixel(x, ya) != image.pixel(x, yb))
            return ::testing::AssertionFailure()
                   << "rows " << ya << " and " << yb << " differ at column " << x;
    }
    return ::testing::AssertionSuccess();
}

TEST(BitmapSkinTest, MainBackgroundStretchesWithoutSeams)
{
    const QImage bitmap = LoadBitmap(130);
    ASSERT_FALSE(bitmap.isNull());
    const int W = bitmap.width();
    const int H = bitmap.height();
    // The top part repeats the 50 columns from W - 70 after the left part and
    // before the right edge.
    EXPECT_TRUE(ColumnsMatch(bitmap, W - 51, W - 71, 0, H - 50));
    EXPECT_TRUE(ColumnsMatch(bitmap, W - 21, W - 71, 0, H - 50));
    // The 50 rows from H - 100 repeat downward across the whole width.
    EXPECT_TRUE(RowsMatch(bitmap, H - 51, H - 101, 0, W));
    // The middle and the bottom edge repeat the 50 columns from W - 100.
    EXPECT_TRUE(ColumnsMatch(bitmap, W - 51, W - 101, H - 100, H));
    // Right of the left part, the top strip (from W - 70) sits on the middle
    // blocks (from W - 100): the two must agree where they meet.
    for (int k = 0; k < 50; ++k)
        ASSERT_EQ(bitmap.pixel(W - 70 + k, H - 51), bitmap.pixel(W - 100 + k, H - 51))
            << "column offset " << k;
}

struct MonitorFrame
{
    int nNumber;
    int nBorder;         // right border width, also the repeated column band's width
    int nSlice;          // width of the repeated slice of the bottom border
    int nSliceFromRight; // the bottom slice starts this many columns from the right
};

class MonitorFrameTest : public ::testing::TestWithParam<MonitorFrame>
{
};

TEST_P(MonitorFrameTest, StretchesWithoutSeams)
{
    const MonitorFrame frame = GetParam();
    const QImage bitmap = LoadBitmap(frame.nNumber);
    ASSERT_FALSE(bitmap.isNull());
    const int W = bitmap.width();
    const int H = bitmap.height();
    const int r = frame.nBorder;
    const int c = W - frame.nSliceFromRight;
    EXPECT_TRUE(ColumnsMatch(bitmap, W - r - 1, W - 2 * r - 1, 0, H - 20));
    EXPECT_TRUE(RowsMatch(bitmap, H - 21, H - 41, 0, W - r));
    EXPECT_TRUE(RowsMatch(bitmap, H - 21, H - 26, W - r, W));
    EXPECT_TRUE(ColumnsMatch(bitmap, W - r - 1, c - 1, H - 20, H));
    EXPECT_TRUE(ColumnsMatch(bitmap, c + frame.nSlice - 1, c - 1, H - 20, H));
}

INSTANTIATE_TEST_SUITE_P(Skin, MonitorFrameTest,
                         ::testing::Values(MonitorFrame{170, 80, 80, 160},
                                           MonitorFrame{187, 40, 5, 45}),
                         [](const ::testing::TestParamInfo<MonitorFrame>& info) {
                             return "Frame" + std::to_string(info.param.nNumber);
                         });

} // namespace
