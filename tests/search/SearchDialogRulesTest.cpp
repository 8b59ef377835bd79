// The search dialogs' rules that need no window: opening values, what each
// button does, the replace dialog's Tab routes and where a dialog opens.

#include "search/SearchDialogRules.h"
#include "framework/CommandIds.h"
#include "strokelist/StrokeDocument.h"

#include <gtest/gtest.h>

namespace search {
namespace {

using namespace framework;
using platform::WM_FIND_STROKE;
using platform::WM_GOTO_TIME;
using platform::WM_REPLACE_STROKE;

constexpr steno::KeyBits kTyped = 0x000300;
constexpr steno::KeyBits kTypedPut = 0x040000;
constexpr std::int64_t kPicked = 1714723215;
constexpr int kNext = 7;
const ButtonOutcome kHidden{std::nullopt, true};

ButtonOutcome Post(platform::MessageId nMessage, std::uintptr_t wParam, std::intptr_t lParam)
{
    return {SearchRequest{nMessage, wParam, lParam}, false};
}

TEST(SearchDialogRulesTest, OpeningValuesAreTheCurrentStrokesOrZeroWithoutOne)
{
    strokelist::CStrokeDocument document;
    document.AssignStrokes({CStenoStroke{}, CStenoStroke{kPicked, kTyped}});
    EXPECT_EQ(OpeningKeys(document), 0u);
    EXPECT_EQ(OpeningTime(document), 0);
    document.SetCurrentStroke(1, false);
    EXPECT_EQ(OpeningKeys(document), kTyped);
    EXPECT_EQ(OpeningTime(document), kPicked);
}

// Every button, Cancel and the close button too, first takes the fields into
// the record; the start index is the record's.
TEST(SearchDialogRulesTest, EachButtonTakesTheFieldsAndSendsItsRequest)
{
    for (int nID : {kIdOk, kIdCancel, IDC_BTN_CLOSE_DIALOG}) {
        const bool bAction = nID == kIdOk;
        strokelist::FindStrokeState find{0, kNext};
        EXPECT_EQ(PressFindButton(nID, find, kTyped),
                  bAction ? Post(WM_FIND_STROKE, 0, kNext) : kHidden);
        EXPECT_EQ(find.m_keys, kTyped);
        strokelist::GotoTimeState gotoTime{0, kNext};
        EXPECT_EQ(PressGotoTimeButton(nID, gotoTime, kPicked),
                  bAction ? Post(WM_GOTO_TIME, 0, kNext) : kHidden);
        EXPECT_EQ(gotoTime.m_time, kPicked);
    }
    for (int nID : {kIdOk, IDC_BTN_REPLACE_ALL, kIdCancel, IDC_BTN_CLOSE_DIALOG}) {
        strokelist::ReplaceStrokeState replace{0, 0, kNext};
        const ButtonOutcome outcome = nID == kIdOk ? Post(WM_REPLACE_STROKE, 0, kNext)
                                      : nID == IDC_BTN_REPLACE_ALL ? Post(WM_REPLACE_STROKE, 1, -1)
                                                                   : kHidden;
        EXPECT_EQ(PressReplaceButton(nID, replace, kTyped, kTypedPut), outcome) << nID;
        EXPECT_EQ(replace.m_findKeys, kTyped);
        EXPECT_EQ(replace.m_replaceKeys, kTypedPut);
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
