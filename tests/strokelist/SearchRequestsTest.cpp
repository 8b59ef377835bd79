#include "DocumentFakes.h"

#include "steno/StenoKeys.h"

#include <gtest/gtest.h>

namespace strokelist::test {
namespace {

using steno::KeyBit;
using steno::KeyBits;
using Texts = std::vector<std::wstring>;

constexpr KeyBits kA = KeyBit(steno::kKeyA);
constexpr KeyBits kO = KeyBit(steno::kKeyO);
constexpr KeyBits kOther = KeyBit(steno::kKeyLeftS);

// Twelve strokes with keys A at 2 and 9 and S- elsewhere; stroke i written at 5000 + i.
class SearchRequestsTest : public WiredDocumentFixture
{
protected:
    void SetUp() override
    {
        std::vector<CStenoStroke> strokes;
        for (int i = 0; i < 12; ++i)
            strokes.push_back(MakeStroke(i == 2 || i == 9 ? kA : kOther, 5000 + i));
        m_document.AssignStrokes(std::move(strokes));
    }

    int Find(KeyBits keys)
    {
        m_find.m_keys = keys;
        RunFindRequest(m_document, m_prompter, m_find, m_find.m_nNext);
        return m_document.Current();
    }

    void Replace(KeyBits find, KeyBits put, bool bAll)
    {
        m_replace.m_findKeys = find;
        m_replace.m_replaceKeys = put;
        RunReplaceRequest(m_document, m_prompter, m_replace, bAll, bAll ? -1 : m_replace.m_nNext);
    }

    int GotoTime(std::int64_t time)
    {
        m_gotoTime.m_time = time;
        RunGotoTimeRequest(m_document, m_prompter, m_gotoTime, m_gotoTime.m_nNext);
        return m_document.Current();
    }

    FindStrokeState m_find;
    GotoTimeState m_gotoTime;
};

TEST_F(SearchRequestsTest, FindStartIndexIsClampedIntoTheDocument)
{
    EXPECT_EQ(m_document.FindStrokeByKeys(-5, kA), 2);
    EXPECT_EQ(m_document.FindStrokeByKeys(2, kA), 2);
    EXPECT_EQ(m_document.FindStrokeByKeys(3, kA), 9);
    EXPECT_EQ(m_document.FindStrokeByKeys(10, kA), -1);
    EXPECT_EQ(m_document.FindStrokeByKeys(50, kOther), 11); // begins at the last stroke
    EXPECT_EQ(m_document.FindStrokeByKeys(50, kA), -1);
    EXPECT_EQ(m_document.FindStrokeByKeys(0, kO), -1);
    m_document.AssignStrokes({MakeStroke(kA), MakeStroke(0)});
    EXPECT_EQ(m_document.FindStrokeByKeys(-1, 0), 1); // empty keys find empty strokes
}

TEST_F(SearchRequestsTest, RepeatedFindStepsThroughTheMatchesAndStartsOver)
{
    EXPECT_EQ(Find(kA), 2);
    EXPECT_EQ(m_find.m_nNext, 3);
    m_document.SetCurrentStroke(10, true); // moving by hand does not move the find start
    EXPECT_EQ(Find(kA), 9);
    EXPECT_TRUE(m_prompter.Asked().empty());
    EXPECT_EQ(Find(kA), 0);
    EXPECT_EQ(m_find.m_nNext, 0);
    EXPECT_EQ(m_view.m_nScrollPos, 0);
    EXPECT_EQ(Find(kA), 2);
    EXPECT_EQ(Prompts(), Texts{L"No occurrences found"});
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(SearchRequestsTest, MatchAtTheLastStrokeStartsTheNextFindAtTheTop)
{
    m_find.m_nNext = 11;
    EXPECT_EQ(Find(kOther), 11);
    EXPECT_EQ(m_find.m_nNext, -1);
    EXPECT_EQ(Find(kOther), 0);
    EXPECT_TRUE(m_prompter.Asked().empty());
}

TEST_F(SearchRequestsTest, ReplaceAllChangesEveryMatchAndGoesToTheTop)
{
    m_document.SetCurrentStroke(5, false);
    Replace(kA, kO, true);
    for (int i = 0; i < 12; ++i) {
        CStenoStroke expected = MakeStroke(i == 2 || i == 9 ? kA : kOther, 5000 + i);
        expected.m_keys = i == 2 || i == 9 ? kO : kOther; // the keys only, not the raw keys
        EXPECT_EQ(m_document.Stroke(i), expected) << i;
    }
    EXPECT_EQ(m_document.Current(), 0);
    EXPECT_EQ(m_replace.m_nNext, 0);
    EXPECT_TRUE(m_document.IsModified());
    Replace(kOther, kA, true); // up to the last stroke
    EXPECT_EQ(m_document.Stroke(11).m_keys, kA);
    Replace(kOther, kA, true);
    EXPECT_EQ(Prompts(), (Texts{L"2 stroke(s) replaced", L"10 stroke(s) replaced",
                                L"Nothing found to replace"}));
    EXPECT_EQ(m_document.Current(), 0);
}

TEST_F(SearchRequestsTest, ReplaceAllWithNothingCurrentEndsWithNothingCurrent)
{
    m_document.SetCurrentStroke(-1, false);
    EXPECT_EQ(m_document.ReplaceStrokes(-1, MakeStroke(kA), MakeStroke(kO), true, m_prompter), 1);
    EXPECT_EQ(m_document.Current(), -1);
}

TEST_F(SearchRequestsTest, SingleReplaceStartsAtTheCurrentStroke)
{
    m_document.SetCurrentStroke(5, false); // the user moves: the replace start follows
    EXPECT_EQ(m_replace.m_nNext, 5);
    Replace(kA, kA, false); // the same keys still count
    EXPECT_EQ(m_document.Current(), 9);
    EXPECT_EQ(m_replace.m_nNext, 10);
    EXPECT_TRUE(m_document.IsModified());

    Replace(kA, kO, false); // from 10 on: nothing, so to the top
    EXPECT_EQ(m_document.Current(), 0);
    EXPECT_EQ(m_replace.m_nNext, 0);
    Replace(kA, kO, false);
    EXPECT_EQ(m_document.Stroke(2).m_keys, kO);
    EXPECT_EQ(m_replace.m_nNext, 3);
    EXPECT_EQ(Prompts(), (Texts{L"1 stroke(s) replaced", L"Nothing found to replace",
                                L"1 stroke(s) replaced"}));
}

TEST_F(SearchRequestsTest, ReplaceAtTheLastStrokeStartsOverAtTheTop)
{
    m_document.SetCurrentStroke(11, false);
    Replace(kOther, kO, false);
    EXPECT_EQ(m_document.Current(), 11);
    EXPECT_EQ(m_replace.m_nNext, -1);
    // -1 with a current stroke begins at the current stroke, the replaced last one.
    Replace(kOther, kO, false);
    EXPECT_EQ(m_document.Current(), 0);
    EXPECT_EQ(m_document.Stroke(0).m_keys, kOther);
    EXPECT_EQ(m_document.ReplaceStrokes(12, MakeStroke(kOther), MakeStroke(kO), false, m_prompter),
              0); // a start past the end finds nothing
    EXPECT_EQ(Prompts().back(), L"Nothing found to replace");
}

TEST_F(SearchRequestsTest, GotoTimeMatchesTheExactSecondOnly)
{
    EXPECT_EQ(GotoTime(5007), 7);
    EXPECT_EQ(m_gotoTime.m_nNext, 8);
    EXPECT_EQ(GotoTime(5007), 0); // no second stroke at that second
    EXPECT_EQ(GotoTime(4999), 0);
    EXPECT_EQ(Prompts(), (Texts{L"No occurrences found", L"No occurrences found"}));
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(SearchRequestsTest, EmptyDocumentFindsNothingAnywhere)
{
    m_document.AssignStrokes({});
    m_find.m_nNext = m_gotoTime.m_nNext = m_replace.m_nNext = 4;
    EXPECT_EQ(Find(kA), -1);
    EXPECT_EQ(m_find.m_nNext, -1);
    EXPECT_EQ(GotoTime(0), -1);
    EXPECT_EQ(m_gotoTime.m_nNext, -1);
    Replace(kA, kO, false);
    EXPECT_EQ(m_replace.m_nNext, -1);
    Replace(kA, kO, true);
    EXPECT_EQ(m_replace.m_nNext, -1);
    EXPECT_EQ(Prompts(), (Texts{L"No occurrences found", L"No occurrences found",
                                L"Nothing found to replace", L"Nothing found to replace"}));
    EXPECT_FALSE(m_document.IsModified());
}

} // namespace
} // namespace strokelist::test
