#include "DocumentFakes.h"

#include "steno/StenoKeys.h"

#include <gtest/gtest.h>

namespace strokelist::test {
namespace {

using steno::KeyBit;
using steno::KeyBits;

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
        m_view.m_nRangeMax = 12;
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

    std::vector<KeyBits> Keys() const
    {
        std::vector<KeyBits> keys;
        for (const CStenoStroke& stroke : m_document.Strokes())
            keys.push_back(stroke.m_keys);
        return keys;
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
}

TEST_F(SearchRequestsTest, EmptyKeysFindEmptyStrokes)
{
    std::vector<CStenoStroke> strokes(3, MakeStroke(kA));
    strokes[1] = MakeStroke(0);
    m_document.AssignStrokes(strokes);
    EXPECT_EQ(m_document.FindStrokeByKeys(-1, 0), 1);
}

TEST_F(SearchRequestsTest, RepeatedFindStepsThroughTheMatchesAndStartsOver)
{
    EXPECT_EQ(Find(kA), 2);
    EXPECT_EQ(m_find.m_nNext, 3);
    EXPECT_EQ(Find(kA), 9);
    EXPECT_EQ(m_find.m_nNext, 10);
    EXPECT_TRUE(m_prompter.Asked().empty());
    m_log.clear();
    EXPECT_EQ(Find(kA), 0);
    // The message comes before the list goes to the top.
    EXPECT_EQ(m_log, (Log{"info No occurrences found", "hide editor", "scroll 0", "repaint",
                          "current 0/12"}));
    EXPECT_EQ(m_find.m_nNext, 0);
    EXPECT_EQ(Find(kA), 2);
    EXPECT_EQ(Prompts(), std::vector<std::wstring>{L"No occurrences found"});
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(SearchRequestsTest, MatchAtTheLastStrokeStartsTheNextFindAtTheTop)
{
    EXPECT_EQ(Find(kOther), 0);
    m_find.m_nNext = 11;
    EXPECT_EQ(Find(kOther), 11);
    EXPECT_EQ(m_find.m_nNext, -1);
    EXPECT_EQ(Find(kOther), 0);
    EXPECT_TRUE(m_prompter.Asked().empty());
}

TEST_F(SearchRequestsTest, MovingByHandDoesNotMoveTheFindStart)
{
    EXPECT_EQ(Find(kA), 2);
    m_document.SetCurrentStroke(10, true);
    EXPECT_EQ(Find(kA), 9);
}

TEST_F(SearchRequestsTest, ReplaceAllChangesEveryMatchAndGoesToTheTop)
{
    m_document.SetCurrentStroke(5, false);
    m_log.clear();
    Replace(kA, kO, true);
    std::vector<KeyBits> expected(12, kOther);
    expected[2] = expected[9] = kO;
    EXPECT_EQ(Keys(), expected);
    // Back to the stroke current before, the count, then the top.
    EXPECT_EQ(m_log, (Log{"hide editor", "scroll 0", "repaint", "current 5/12",
                          "info 2 stroke(s) replaced", "hide editor", "scroll 0", "repaint",
                          "current 0/12"}));
    EXPECT_TRUE(m_document.IsModified());
    EXPECT_EQ(m_replace.m_nNext, 0);
}

TEST_F(SearchRequestsTest, ReplaceAllReachingTheLastStroke)
{
    Replace(kOther, kO, true);
    EXPECT_EQ(Prompts(), std::vector<std::wstring>{L"10 stroke(s) replaced"});
    EXPECT_EQ(m_document.Stroke(11).m_keys, kO);
    EXPECT_EQ(m_document.Current(), 0);
}

TEST_F(SearchRequestsTest, ReplaceAllWithoutMatch)
{
    m_document.SetCurrentStroke(4, false);
    Replace(kO, kA, true);
    EXPECT_EQ(Prompts(), std::vector<std::wstring>{L"Nothing found to replace"});
    EXPECT_EQ(m_document.Current(), 0);
    EXPECT_EQ(m_replace.m_nNext, 0);
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(SearchRequestsTest, SingleReplaceStartsAtTheCurrentStroke)
{
    m_document.SetCurrentStroke(5, false); // the user moves: the replace start follows
    EXPECT_EQ(m_replace.m_nNext, 5);
    Replace(kA, kO, false);
    EXPECT_EQ(m_document.Stroke(9).m_keys, kO);
    EXPECT_EQ(m_document.Stroke(2).m_keys, kA);
    EXPECT_EQ(m_document.Current(), 9);
    EXPECT_EQ(Prompts(), std::vector<std::wstring>{L"1 stroke(s) replaced"});
    EXPECT_EQ(m_replace.m_nNext, 10);
    EXPECT_TRUE(m_document.IsModified());

    Replace(kA, kO, false); // from 10 on: nothing, so to the top
    EXPECT_EQ(m_document.Current(), 0);
    EXPECT_EQ(m_replace.m_nNext, 0);
    Replace(kA, kO, false);
    EXPECT_EQ(m_document.Stroke(2).m_keys, kO);
    EXPECT_EQ(m_replace.m_nNext, 3);
    EXPECT_EQ(Prompts(),
              (std::vector<std::wstring>{L"1 stroke(s) replaced", L"Nothing found to replace",
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
    Replace(kOther, kO, false);
    EXPECT_EQ(m_document.Stroke(0).m_keys, kO);
    EXPECT_EQ(Prompts(),
              (std::vector<std::wstring>{L"1 stroke(s) replaced", L"Nothing found to replace",
                                         L"1 stroke(s) replaced"}));
}

TEST_F(SearchRequestsTest, ReplaceTouchesOnlyTheKeys)
{
    Replace(kA, kA, false); // the same keys still count
    const CStenoStroke& stroke = m_document.Stroke(2);
    EXPECT_EQ(stroke, MakeStroke(kA, 5002));
    EXPECT_EQ(Prompts(), std::vector<std::wstring>{L"1 stroke(s) replaced"});
    EXPECT_TRUE(m_document.IsModified());
}

TEST_F(SearchRequestsTest, ReplaceStartPastTheEnd)
{
    m_document.SetCurrentStroke(-1, false);
    m_log.clear();
    CStenoStroke find = MakeStroke(kOther);
    EXPECT_EQ(m_document.ReplaceStrokes(12, find, MakeStroke(kO), false, m_prompter), 0);
    EXPECT_EQ(m_log, (Log{"info Nothing found to replace", "hide editor", "scroll 0", "repaint",
                          "current 0/12"}));
    EXPECT_EQ(m_document.Stroke(11).m_keys, kOther);
}

TEST_F(SearchRequestsTest, ReplaceAllWithNothingCurrentEndsWithNothingCurrent)
{
    m_document.SetCurrentStroke(-1, false);
    EXPECT_EQ(m_document.ReplaceStrokes(-1, MakeStroke(kA), MakeStroke(kO), true, m_prompter), 1);
    EXPECT_EQ(m_document.Current(), -1);
}

TEST_F(SearchRequestsTest, GotoTimeMatchesTheExactSecondOnly)
{
    EXPECT_EQ(GotoTime(5007), 7);
    EXPECT_EQ(m_gotoTime.m_nNext, 8);
    EXPECT_EQ(GotoTime(5007), 0); // no second stroke at that second
    EXPECT_EQ(Prompts(), std::vector<std::wstring>{L"No occurrences found"});
    EXPECT_EQ(GotoTime(4999), 0);
    EXPECT_EQ(GotoTime(0), 0); // what the dialog holds with nothing current
    EXPECT_EQ(m_prompter.Asked().size(), 3u);
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(SearchRequestsTest, EmptyDocumentFindsNothingAnywhere)
{
    m_document.AssignStrokes({});
    m_find.m_nNext = 4;
    m_gotoTime.m_nNext = 4;
    m_replace.m_nNext = 4;
    EXPECT_EQ(Find(kA), -1);
    EXPECT_EQ(m_find.m_nNext, -1);
    EXPECT_EQ(GotoTime(0), -1);
    EXPECT_EQ(m_gotoTime.m_nNext, -1);
    Replace(kA, kO, false);
    EXPECT_EQ(m_replace.m_nNext, -1);
    Replace(kA, kO, true);
    EXPECT_EQ(m_replace.m_nNext, -1);
    EXPECT_EQ(Prompts(), (std::vector<std::wstring>{
                             L"No occurrences found", L"No occurrences found",
                             L"Nothing found to replace", L"Nothing found to replace"}));
    EXPECT_FALSE(m_document.IsModified());
}

} // namespace
} // namespace strokelist::test
