#include "mainwindow/MainWindowLayout.h"
#include "mainwindow/SaveAsProposal.h"

#include "framework/CommandIds.h"

#include <gtest/gtest.h>

using namespace mainwindow;

TEST(SaveAsProposal, CopySuffixBeforeTheLastDotOfTheName)
{
    const std::pair<const wchar_t*, SaveAsProposal> cases[] = {
        {L"/work/day1.rtf", {L"/work/", L"day1_copy"}},
        {L"/work/day1.backup.rtf", {L"/work/", L"day1.backup_copy"}},
        {L"/rel.2/notes", {L"/rel.2/", L"_copy"}}, // a dot only in the folder
        {L"/work/plain", {L"/work/", L""}},
        {L"", {L"/d/", L""}},                // no document: the default folder
        {L"day.rtf", {L"/d/", L"day_copy"}}, // no folder: the default folder
    };
    for (const auto& [pszPath, expected] : cases)
        EXPECT_EQ(ProposeSaveAs(pszPath, L"/d/"), expected) << pszPath;
}

TEST(MainWindowLayout, ButtonsFollowTheRightEdge)
{
    const auto places = PlaceButtons(800);
    EXPECT_EQ(places[0].nId, framework::IDC_BTN_MINIMIZE);
    EXPECT_EQ(places[0].topLeft, (platform::Point{701, 3}));
    EXPECT_EQ(places[6].nId, framework::IDC_BTN_HELP);
    EXPECT_EQ(places[6].topLeft, (platform::Point{245, 43}));
}

TEST(MainWindowLayout, ListAndStatusKeepTheirMargins)
{
    EXPECT_EQ(ListRect(800, 600), (platform::Rect{5, 131, 793, 570}));
    EXPECT_EQ(StatusRect(800, 600), (platform::Rect{5, 575, 900, 595}));
}

// The status line, the title and the close question with a name are read from
// the main window itself; an empty name is still quoted.
TEST(MainWindowLayout, CloseQuestionQuotesTheNameEvenWhenEmpty)
{
    EXPECT_EQ(CloseQuestion(L""), L"Do you want to save file '' before close?");
}
