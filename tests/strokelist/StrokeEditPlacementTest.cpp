#include "strokelist/StrokeEditPlacement.h"

#include <gtest/gtest.h>

using namespace strokelist;
using platform::Rect;

namespace {

// Rows 24 high; the stroke column starts after a spare blank.
ListLayout SampleLayout()
{
    ListLayout layout;
    layout.rcTime = {0, 0, 260, 24};
    layout.rcStroke = {300, 0, 780, 24};
    layout.rcRaw = {800, 0, 1300, 24};
    return layout;
}

} // namespace

TEST(StrokeEditPlacementTest, CoversTheTimeAndStrokeColumnsOfTheCurrentRow)
{
    // Stroke 12 with the list scrolled to 10 stands in the third visible row.
    const StrokeEditPlacement placement = PlaceStrokeEditor(SampleLayout(), 12, 10);
    EXPECT_EQ(placement.rcEditor, (Rect{0, 48, 780, 72}));
    EXPECT_EQ(placement.rcTime, (Rect{0, 0, 260, 24}));
    EXPECT_EQ(placement.rcKeys, (Rect{300, 0, 780, 24}));
}

TEST(StrokeEditPlacementTest, RowScrolledAboveTheTopPlacesTheEditorAboveTheList)
{
    EXPECT_EQ(PlaceStrokeEditor(SampleLayout(), 3, 5).rcEditor, (Rect{0, -48, 780, -24}));
}

TEST(StrokeEditPlacementTest, TheOnePixelBorderSurroundsTheClientArea)
{
    EXPECT_EQ(StrokeEditClient(780, 24), (Rect{1, 1, 779, 23}));
    // A field at the top of the client area starts one pixel in and reaches one
    // pixel below the editor's bottom, under the border.
    EXPECT_EQ(ClientToEditor(Rect{300, 0, 780, 24}), (Rect{301, 1, 781, 25}));
}
