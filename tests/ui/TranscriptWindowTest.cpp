// The transcript window: shown from the Options menu, it follows the current
// stroke, and a click on a word makes that word's first stroke current.
#include "TranslationWindowFixture.h"

#include "translation/TranscriptDlg.h"
#include "translation/TranscriptView.h"

using namespace translationtest;

TEST_F(TranslationWindowFixture, TranscriptFollowsTheCurrentStrokeAndAClickMovesIt)
{
    std::string strStrokes;
    for (int i = 0; i < 600; ++i)
        strStrokes += i % 2 == 0 ? "KAT " : "TKOG ";
    Assign(strStrokes);
    Key(Qt::Key_O, Qt::AltModifier);
    Key(Qt::Key_R);
    CTranscriptView& view = m_dlg.Transcript().View();
    ASSERT_TRUE(view.isVisible());
    EXPECT_TRUE(m_dlg.isActiveWindow()); // the keyboard stays with the list

    // The page is laid out when the view paints, after the notices asked it to.
    const auto shows = [&view](std::size_t nTranslation) {
        QApplication::processEvents();
        const auto& runs = view.Page().runs;
        return std::any_of(runs.begin(), runs.end(), [nTranslation](const auto& run) {
            return run.nTranslation == nTranslation;
        });
    };
    EXPECT_TRUE(shows(0));
    Document().SetCurrentStroke(501, true);
    EXPECT_TRUE(shows(501));
    EXPECT_FALSE(shows(0));

    const translation::TranscriptRun& run = view.Page().runs.front();
    QTest::mouseClick(&view, Qt::LeftButton, {}, platform::ToQRect(run.rc).center());
    EXPECT_EQ(Document().Current(), static_cast<int>(run.nTranslation));
}
