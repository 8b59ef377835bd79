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
    EXPECT_EQ(m_document.FindStrokeByKeys(10, kA), -1);
    EXPECT_EQ(m_document.FindStrokeByKeys(50, kOther), 11); // begins at the last stroke
    m_document.AssignStrokes({MakeStroke(kA), MakeStroke(0)});
    EXPECT_EQ(m_document.FindStrokeByKeys(-1, 0), 1); // empty keys find empty strokes
}

TEST_F(SearchRequestsTest, ReplaceAllWithNothingCurrentEndsWithNothingCurrent)
{
    m_document.SetCurrentStroke(-1, false);
    EXPECT_EQ(m_document.ReplaceStrokes(-1, MakeStroke(kA), MakeStroke(kO), true, m_prompter), 1);
    EXPECT_EQ(m_document.Current(), -1);
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
