// The search dialogs' rules that need no window: opening values, what each
// button does, the replace dialog's Tab routes and where a dialog opens.

#include "search/SearchDialogRules.h"
#include "framework/CommandIds.h"
#include "strokelist/StrokeDocument.h"

#include <gtest/gtest.h>

namespace search {
namespace {

using framework::IDC_BTN_CLOSE_DIALOG;
using framework::IDC_BTN_REPLACE_ALL;
using framework::kIdCancel;
using framework::kIdOk;
using platform::WM_FIND_STROKE;
using platform::WM_GOTO_TIME;
using platform::WM_REPLACE_STROKE;

constexpr steno::KeyBits kTyped = 0x000300;
constexpr steno::KeyBits kTypedPut = 0x040000;
constexpr std::int64_t kPicked = 1714723215;
constexpr int kNext = 7;

TEST(SearchDialogRulesTest, OpeningValuesAreTheCurrentStrokesOrZeroWithoutOne)
{
    strokelist::CStrokeDocument document;
    CStenoStroke stroke;
    stroke.m_keys = kTyped;
    stroke.m_time = kPicked;
    document.AssignStrokes({CStenoStroke{}, stroke});
    EXPECT_EQ(OpeningKeys(document), 0u);
    EXPECT_EQ(OpeningTime(document), 0);

    document.SetCurrentStroke(1, false);
    EXPECT_EQ(OpeningKeys(document), kTyped);
    EXPECT_EQ(OpeningTime(document), kPicked);
}

struct ButtonCase
{
    SearchDialogKind kind;
    int nID;
    ButtonOutcome outcome;
};

const ButtonOutcome kHidden{std::nullopt, true};

class ButtonTest : public ::testing::TestWithParam<ButtonCase>
{
};

// Every button, Cancel and the close button too, leaves the fields in the record;
// the start index comes from the record as it was before the press.
TEST_P(ButtonTest, TakesTheFieldsAndSendsItsRequest)
{
    const ButtonCase& c = GetParam();
    strokelist::FindStrokeState find{0, kNext};
    strokelist::ReplaceStrokeState replace{0, 0, kNext};
    strokelist::GotoTimeState gotoTime{0, kNext};
    switch (c.kind) {
    case SearchDialogKind::Find:
        EXPECT_EQ(PressFindButton(c.nID, find, kTyped), c.outcome);
        EXPECT_EQ(find.m_keys, kTyped);
        EXPECT_EQ(find.m_nNext, kNext);
        break;
    case SearchDialogKind::Replace:
        EXPECT_EQ(PressReplaceButton(c.nID, replace, kTyped, kTypedPut), c.outcome);
        EXPECT_EQ(replace.m_findKeys, kTyped);
        EXPECT_EQ(replace.m_replaceKeys, kTypedPut);
        EXPECT_EQ(replace.m_nNext, kNext);
        break;
    case SearchDialogKind::GotoTime:
        EXPECT_EQ(PressGotoTimeButton(c.nID, gotoTime, kPicked), c.outcome);
        EXPECT_EQ(gotoTime.m_time, kPicked);
        EXPECT_EQ(gotoTime.m_nNext, kNext);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryButton, ButtonTest,
    ::testing::Values(
        ButtonCase{SearchDialogKind::Find, kIdOk, {SearchRequest{WM_FIND_STROKE, 0, kNext}}},
        ButtonCase{SearchDialogKind::Find, kIdCancel, kHidden},
        ButtonCase{SearchDialogKind::Find, IDC_BTN_CLOSE_DIALOG, kHidden},
        ButtonCase{SearchDialogKind::Replace, kIdOk, {SearchRequest{WM_REPLACE_STROKE, 0, kNext}}},
        ButtonCase{SearchDialogKind::Replace,
                   IDC_BTN_REPLACE_ALL,
                   {SearchRequest{WM_REPLACE_STROKE, 1, -1}}},
        ButtonCase{SearchDialogKind::Replace, kIdCancel, kHidden},
        ButtonCase{SearchDialogKind::Replace, IDC_BTN_CLOSE_DIALOG, kHidden},
        ButtonCase{SearchDialogKind::GotoTime, kIdOk, {SearchRequest{WM_GOTO_TIME, 0, kNext}}},
        ButtonCase{SearchDialogKind::GotoTime, kIdCancel, kHidden},
        ButtonCase{SearchDialogKind::GotoTime, IDC_BTN_CLOSE_DIALOG, kHidden}));

TEST(SearchDialogRulesTest, AButtonTheDialogDoesNotHaveChangesNothing)
{
    strokelist::FindStrokeState find;
    EXPECT_EQ(PressFindButton(IDC_BTN_REPLACE_ALL, find, kTyped), ButtonOutcome{});
    EXPECT_EQ(find.m_keys, 0u);
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
