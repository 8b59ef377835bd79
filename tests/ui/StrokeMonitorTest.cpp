// The monitors in the running main window: the time monitor follows the
// current stroke, the stroke monitor keeps out of the way of Esc and closes
// with its own button, and the configuration dialog applies only with OK.

#include "monitors/AdvStrokeTimesView.h"
#include "monitors/ConfigurationDlg.h"
#include "monitors/StrokeMonitorDlg.h"
#include "monitors/StrokeTimeMonitor.h"
#include "platform/DialogControls.h"
#include "tests/ui/QuillmarkDlgFixture.h"

#include <QScreen>
#include <QTimer>

#include <functional>
#include <set>

using namespace mainwindowtest;

namespace {

/// Each stroke has S, T, K and P down with the values 3, 4, 4 and 5.
std::vector<CStenoStroke> StrokesWithValues(int nCount)
{
    std::vector<CStenoStroke> strokes(static_cast<std::size_t>(nCount));
    for (CStenoStroke& stroke : strokes) {
        stroke.m_rawKeys = steno::KeyBit(steno::kKeyLeftS) | steno::KeyBit(steno::kKeyLeftT) |
                           steno::KeyBit(steno::kKeyK) | steno::KeyBit(steno::kKeyLeftP);
        for (int nKey = steno::kKeyLeftS; nKey <= steno::kKeyLeftP; ++nKey)
            stroke.m_keyValues[static_cast<std::size_t>(nKey)] =
                static_cast<std::uint16_t>(nKey + 1 - nKey / 4);
    }
    return strokes;
}

/// The colours of a view on the screen, as it was last painted.
std::set<QRgb> Colours(const QWidget* pView)
{
    QCoreApplication::processEvents();
    const QWidget& window = *pView->window();
    const QImage image =
        window.screen()
            ->grabWindow(window.winId(), pView->x(), pView->y(), pView->width(), pView->height())
            .toImage();
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) & 0xFFFFFF);
    return colours;
}

class StrokeMonitorTest : public QuillmarkDlgFixture
{
protected:
    CStrokeMonitorDlg& Monitor() { return *m_dlg.Monitors().StrokeMonitor(); }
    CStrokeTimeMonitor& TimeMonitor() { return *m_dlg.Monitors().TimeMonitor(); }

    /// Runs the Configuration command; act works the dialog and ends it.
    void Configure(const std::function<void(CConfigurationDlg&)>& act)
    {
        QTimer::singleShot(0, [&] {
            auto* pDialog = qobject_cast<CConfigurationDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(pDialog, nullptr);
            act(*pDialog);
        });
        platform::SendCommand(&m_dlg, framework::ID_OPTIONS_CONFIGURATION);
    }

    static void AltM(CConfigurationDlg& dialog)
    {
        QTest::keyClick(&dialog, Qt::Key_M, Qt::AltModifier);
    }
};

} // namespace

// The stroke monitor's own panel, following the list, is the end-to-end run's;
// the time monitor's panel shows the current stroke the same way.
TEST_F(StrokeMonitorTest, TheTimeMonitorFollowsTheCurrentStroke)
{
    EXPECT_FALSE(TimeMonitor().isVisible());
    Document().AssignStrokes(StrokesWithValues(5));
    Document().SetCurrentStroke(3, true);
    platform::SendCommand(&m_dlg, framework::ID_OPTIONS_STROKE_TIMES);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&TimeMonitor()));
    const QWidget* pView = TimeMonitor().findChild<CAdvStrokeTimesView*>();
    // Times of odd keys in blue, of even keys in dark green.
    EXPECT_TRUE(Colours(pView).count(0x0000FF) == 1 && Colours(pView).count(0x005A00) == 1);
    // No current stroke: a blank white panel.
    Document().SetCurrentStroke(-1, false);
    EXPECT_EQ(Colours(pView), std::set<QRgb>{0xFFFFFF});
}

TEST_F(StrokeMonitorTest, EscDoesNothingAndTheCloseButtonClearsTheOption)
{
    QTest::keyClick(&Monitor(), Qt::Key_Escape);
    EXPECT_TRUE(Monitor().isVisible());

    QTest::mouseClick(platform::FindControl(&Monitor(), framework::kIdCancel), Qt::LeftButton);
    EXPECT_FALSE(Monitor().isVisible());
    EXPECT_FALSE(m_dlg.Monitors().ShowsStrokeMonitor());
}

TEST_F(StrokeMonitorTest, ConfigurationAppliesTheOptionOnlyWithOk)
{
    Configure([](CConfigurationDlg& dialog) {
        AltM(dialog);
        EXPECT_FALSE(dialog.ShowMonitor());
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_TRUE(Monitor().isVisible());

    Monitor().move(200, 150);
    Configure([](CConfigurationDlg& dialog) {
        AltM(dialog);
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    EXPECT_FALSE(Monitor().isVisible());
    Configure([](CConfigurationDlg& dialog) {
        AltM(dialog);
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    EXPECT_EQ(Monitor().pos(), QPoint(200, 150));
}

TEST_F(StrokeMonitorTest, TimeMonitorStaysBetweenItsBitmapAndAFifthOfTheScreen)
{
    platform::SendCommand(&m_dlg, framework::ID_OPTIONS_STROKE_TIMES);
    EXPECT_EQ(TimeMonitor().size(), QSize(122, 537));
    TimeMonitor().resize(50, 600);
    EXPECT_EQ(TimeMonitor().size(), QSize(122, 600));
    TimeMonitor().resize(10000, 600);
    EXPECT_EQ(TimeMonitor().width(), platform::FullScreenClientSize().cx / 5);
}
