// The search dialogs' rules that need no window: opening values, what each
// button does, the replace dialog's Tab routes and where a dialog opens.

#include "search/SearchDialogRules.h"
#include "framework/CommandIds.h"
#include "document/StrokeDocument.h"

#include <gtest/gtest.h>

namespace search {
namespace {

using namespace framework;

constexpr steno::KeyBits kTyped = 0x000300;
constexpr std::int64_t kPicked = 1714723215;

TEST(SearchDialogRulesTest, OpeningValuesAreTheCurrentStrokesOrZeroWithoutOne)
{
    doc::CStrokeDocument document;
    document.AssignStrokes({CStenoStroke{}, CStenoStroke{kPicked, kTyped}});
    EXPECT_EQ(OpeningKeys(document), 0u);
    EXPECT_EQ(OpeningTime(document), 0);
    document.SetCurrentStroke(1, false);
    EXPECT_EQ(OpeningKeys(document), kTyped);
    EXPECT_EQ(OpeningTime(document), kPicked);
}

TEST(SearchDialogRulesTest, OkSearchesReplaceAllOnlyInReplaceCancelAndCloseHide)
{
    for (SearchDialogKind kind :
         {SearchDialogKind::Find, SearchDialogKind::Replace, SearchDialogKind::GotoTime}) {
        EXPECT_EQ(ActionOf(kind, kIdOk), ButtonAction::Search);
        EXPECT_EQ(ActionOf(kind, kIdCancel), ButtonAction::Hide);
        EXPECT_EQ(ActionOf(kind, IDC_BTN_CLOSE_DIALOG), ButtonAction::Hide);
        EXPECT_EQ(ActionOf(kind, IDC_BTN_REPLACE_ALL), kind == SearchDialogKind::Replace
                                                           ? ButtonAction::ReplaceAll
                                                           : ButtonAction::None);
        EXPECT_EQ(ActionOf(kind, kIdKeysField), ButtonAction::None);
    }
}

TEST(SearchDialogRulesTest, TabInTheReplaceDialogFollowsItsTable)
{
    struct Route
    {
        int nFrom;
        bool bShift;
        std::optional<int> nTo;
    };
    const Route routes[] = {
        {kIdKeysField, false, kIdReplaceField}, {kIdKeysField, true, kIdCancel},
        {kIdReplaceField, false, kIdOk},        {kIdReplaceField, true, kIdKeysField},
        {kIdOk, false, std::nullopt},           {kIdCancel, true, std::nullopt},
    };
    for (const Route& route : routes) {
        EXPECT_EQ(TabTarget(SearchDialogKind::Replace, route.nFrom, route.bShift), route.nTo)
            << "from " << route.nFrom << (route.bShift ? " with Shift" : "");
    }
}

TEST(SearchDialogRulesTest, CentringRoundsTheHalvesTowardZero)
{
    EXPECT_EQ(CentreOver({10, 20, 10 + 800, 20 + 601}, {401, 150}), (platform::Point{209, 245}));
    // An owner smaller than the dialog: -101 / 2 is -50, not -51.
    EXPECT_EQ(CentreOver({0, 0, 300, 49}, {401, 150}), (platform::Point{-50, -50}));
}

} // namespace
} // namespace search
