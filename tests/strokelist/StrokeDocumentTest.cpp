#include "DocumentFakes.h"

#include "tests/support/FileTestSupport.h"

#include "base/LocalTime.h"
#include "steno/StenoKeys.h"

#include <gtest/gtest.h>

namespace strokelist::test {
namespace {

using platform::Answer;
using steno::KeyBit;

constexpr steno::KeyBits kKaT =
    KeyBit(steno::kKeyK) | KeyBit(steno::kKeyA) | KeyBit(steno::kKeyRightT);

TEST(BringIntoView, FirstAtTheTopLastItselfOthersCentredByHalfAPageRoundedDown)
{
    struct Case
    {
        int nIndex, nCount, nClientHeight, nRowHeight, nPos;
    };
    const Case cases[] = {
        {0, 100, 200, 20, 0},   {99, 100, 200, 20, 99}, {98, 100, 200, 20, 93},
        {45, 100, 200, 20, 40}, {3, 100, 200, 20, 0},   {8, 12, 219, 20, 3},
        {8, 12, 239, 20, 3},    {8, 12, 240, 20, 2},    {6, 12, 200, 0, 6}, // no layout yet
    };
    for (const Case& c : cases)
        EXPECT_EQ(BringIntoViewPosition(c.nIndex, c.nCount, c.nClientHeight, c.nRowHeight), c.nPos)
            << c.nIndex << " " << c.nClientHeight << " " << c.nRowHeight;
}

TEST(DeleteQuestion, QuotesTheTwelveHourTimeAndTheLetters)
{
    const CScopedTimeZone zone{kUtcZone};
    EXPECT_EQ(DeleteQuestion(MakeStroke(kKaT, base::MakeLocalTime(2024, 3, 5, 14, 5, 9))),
              L"Do you want to remove stroke '02:05:09 PM:  KA-T'?");
    EXPECT_EQ(DeleteQuestion(MakeStroke(KeyBit(steno::kKeyNumberBar) | KeyBit(steno::kKeyLeftT))),
              L"Do you want to remove stroke '12:00:00 AM:  #T'?");
    EXPECT_EQ(DeleteQuestion(MakeStroke(kKaT, -1)), L"Do you want to remove stroke ':  KA-T'?");
}

// Twelve strokes told apart by their keys (stroke i has keys i + 1).
class StrokeDocumentTest : public WiredDocumentFixture
{
protected:
    void SetUp() override
    {
        std::vector<CStenoStroke> strokes;
        for (int i = 0; i < 12; ++i)
            strokes.push_back(MakeStroke(static_cast<steno::KeyBits>(i + 1), 1000 + i));
        m_document.AssignStrokes(std::move(strokes));
    }
};

TEST_F(StrokeDocumentTest, SetCurrentStrokeScrollsOnlyWhenAskedAndAlwaysNotifies)
{
    m_view.m_nEditor = 3;
    EXPECT_EQ(m_document.SetCurrentStroke(7, false), 7);
    EXPECT_EQ(m_view.m_nScrollPos, -1);
    EXPECT_EQ(m_view.m_nEditor, -1); // an edit in progress is dropped
    EXPECT_EQ(m_mainWindow.m_notice, std::pair(7, 12));
    EXPECT_EQ(m_document.SetCurrentStroke(8, true), 8);
    EXPECT_EQ(m_view.m_nScrollPos, 3);
    for (int nIndex : {12, -5}) {
        EXPECT_EQ(m_document.SetCurrentStroke(nIndex, true), -1);
        EXPECT_EQ(m_mainWindow.m_notice, std::pair(-1, 12));
        EXPECT_EQ(m_view.m_nScrollPos, 3);
    }
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(StrokeDocumentTest, PasteInsertsACopyAtTheCurrentStrokeOrAppends)
{
    m_document.PasteStroke(); // nothing copied yet
    EXPECT_EQ(m_document.Count(), 12);
    m_document.SetCurrentStroke(9, false);
    m_document.CopyStroke();
    EXPECT_FALSE(m_document.IsModified());
    m_document.SetCurrentStroke(5, false);
    m_document.PasteStroke();
    ASSERT_EQ(m_document.Count(), 13);
    EXPECT_EQ(m_document.Stroke(5), MakeStroke(10, 1009)); // the whole record, time included
    EXPECT_EQ(m_document.Stroke(6).m_keys, 6u);            // the old stroke 5 moved down
    EXPECT_EQ(m_view.m_nRangeMax, 13);
    EXPECT_EQ(m_mainWindow.m_notice, std::pair(5, 13));
    EXPECT_TRUE(m_document.IsModified());

    m_document.SetCurrentStroke(-1, false);
    m_document.PasteStroke();
    EXPECT_EQ(m_document.Stroke(13).m_keys, 10u);
    EXPECT_EQ(m_mainWindow.m_notice, std::pair(13, 14));
    EXPECT_EQ(m_view.m_nScrollPos, 13);
}

TEST_F(StrokeDocumentTest, ClipboardOutlivesItsDocumentAndAStrokeWithoutKeysIsNoCopy)
{
    m_document.SetCurrentStroke(0, false);
    m_document.CopyStroke();
    std::vector<CStenoStroke> strokes(2);
    strokes[1].m_time = 77; // keys and raw keys 0
    m_document.AssignStrokes(strokes);
    m_document.PasteStroke();
    ASSERT_EQ(m_document.Count(), 3);
    EXPECT_EQ(m_document.Stroke(2).m_keys, 1u);
    m_document.SetCurrentStroke(1, false);
    m_document.CopyStroke();
    m_document.PasteStroke();
    EXPECT_EQ(m_document.Count(), 3);
}

TEST_F(StrokeDocumentTest, DeleteOnYesMakesThePreviousStrokeCurrent)
{
    m_document.SetCurrentStroke(7, false);
    m_prompter.Script(Answer::Yes);
    m_document.DeleteStroke(m_prompter);
    ASSERT_EQ(m_prompter.Asked().size(), 1u);
    EXPECT_EQ(m_prompter.Asked()[0].kind, platform::PromptKind::YesNo);
    EXPECT_EQ(m_document.Count(), 11);
    EXPECT_EQ(m_document.Stroke(7).m_keys, 9u);
    EXPECT_EQ(m_mainWindow.m_notice, std::pair(6, 11));
    EXPECT_EQ(m_view.m_nRangeMax, 11);
    EXPECT_TRUE(m_document.IsModified());

    m_document.SetCurrentStroke(0, false);
    m_prompter.Script(Answer::Yes);
    m_document.DeleteStroke(m_prompter);
    EXPECT_EQ(m_document.Stroke(0).m_keys, 2u);
    EXPECT_EQ(m_mainWindow.m_notice, std::pair(-1, 10)); // none before the first
}

TEST_F(StrokeDocumentTest, DeleteOnNoOrWithoutCurrentStrokeChangesNothing)
{
    m_document.SetCurrentStroke(4, false);
    m_prompter.Script(Answer::No);
    m_document.DeleteStroke(m_prompter);
    EXPECT_EQ(m_document.Current(), 4);
    m_document.SetCurrentStroke(-1, false);
    m_document.DeleteStroke(m_prompter); // no scripted answer: a question would throw
    EXPECT_EQ(m_prompter.Asked().size(), 1u);
    EXPECT_EQ(m_document.Count(), 12);
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(StrokeDocumentTest, EditTakesTimeAndKeysButNotRawKeysAndAlwaysMarksModified)
{
    m_document.BeginEdit(); // nothing current: no editor
    EXPECT_EQ(m_view.m_nEditor, -1);
    m_document.SetCurrentStroke(3, false);
    m_document.BeginEdit();
    EXPECT_EQ(m_view.m_nEditor, 3);
    m_document.EndEdit(false, 4242, kKaT);
    EXPECT_EQ(m_document.Stroke(3), MakeStroke(4, 1003));
    EXPECT_TRUE(m_document.IsModified());
    m_document.EndEdit(true, 4242, kKaT);
    EXPECT_EQ(m_document.Stroke(3).m_keys, kKaT);
    EXPECT_EQ(m_document.Stroke(3).m_time, 4242);
    EXPECT_EQ(m_document.Stroke(3).m_rawKeys, 4u);
    EXPECT_EQ(m_view.m_nFocused, 2);
    EXPECT_EQ(m_mainWindow.m_notice, std::pair(3, 12)); // not told again

    m_document.SetCurrentStroke(-1, false);
    m_document.EndEdit(true, 1, 0);
    for (int i = 0; i < m_document.Count(); ++i)
        EXPECT_NE(m_document.Stroke(i).m_keys, 0u);
}

TEST_F(StrokeDocumentTest, EmptyDocumentEverywhere)
{
    m_document.AssignStrokes({});
    EXPECT_EQ(m_document.SetCurrentStroke(0, true), -1);
    m_document.CopyStroke();
    m_document.PasteStroke();
    m_document.DeleteStroke(m_prompter);
    m_document.BeginEdit();
    EXPECT_EQ(m_document.Count(), 0);
    EXPECT_FALSE(m_document.IsModified());
}

} // namespace
} // namespace strokelist::test
