#include "fields/StrokeEditPlacement.h"

#include <gtest/gtest.h>

using namespace strokelist;
using namespace fields;
using platform::Rect;

TEST(StrokeEditPlacementTest, CoversTheTimeAndStrokeColumnsOfTheRowInsideAOnePixelBorder)
{
    ListLayout layout;
    layout.rcTime = {0, 0, 260, 24};
    layout.rcStroke = {300, 0, 780, 24};
    layout.rcRaw = {800, 0, 1300, 24};
    // Stroke 12 with the list scrolled to 10 stands in the third visible row.
    const StrokeEditPlacement placement = PlaceStrokeEditor(layout, 12, 10);
    EXPECT_EQ(placement.rcEditor, (Rect{0, 48, 780, 72}));
    EXPECT_EQ(placement.rcTime, layout.rcTime);
    EXPECT_EQ(placement.rcKeys, layout.rcStroke);
    EXPECT_EQ(PlaceStrokeEditor(layout, 3, 5).rcEditor, (Rect{0, -48, 780, -24}));

    EXPECT_EQ(StrokeEditClient(780, 24), (Rect{1, 1, 779, 23}));
    // A field as high as the row reaches under the bottom border.
    EXPECT_EQ(ClientToEditor(placement.rcKeys), (Rect{301, 1, 781, 25}));
}
