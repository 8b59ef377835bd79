// The monitors in the running main window: they follow the current stroke,
// keep out of the way of Esc, close with their own button, and the
// configuration dialog shows and hides the stroke monitor.

#include "monitors/AdvStrokeTimesView.h"
#include "monitors/AdvStrokeView.h"
#include "monitors/ConfigurationDlg.h"
#include "monitors/KeyRowLayout.h"
#include "monitors/StrokeMonitorDlg.h"
#include "monitors/StrokeTimeMonitor.h"
#include "platform/DialogControls.h"
#include "tests/ui/QuillmarkDlgFixture.h"

#include <QImage>
#include <QScreen>
#include <QTimer>

#include <functional>
#include <set>

using namespace mainwindowtest;

namespace {

/// Stroke i has the keys S, T, K and P down with the values i, i + 1, 4 and 5.
std::vector<CStenoStroke> StrokesWithValues(int nCount)
{
    std::vector<CStenoStroke> strokes = NumberedStrokes(nCount);
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        CStenoStroke& stroke = strokes[i];
        stroke.m_rawKeys = steno::KeyBit(steno::kKeyLeftS) | steno::KeyBit(steno::kKeyLeftT) |
                           steno::KeyBit(steno::kKeyK) | steno::KeyBit(steno::kKeyLeftP);
        stroke.m_keyValues[steno::kKeyLeftS] = static_cast<std::uint16_t>(i);
        stroke.m_keyValues[steno::kKeyLeftT] = static_cast<std::uint16_t>(i + 1);
        stroke.m_keyValues[steno::kKeyK] = 4;
        stroke.m_keyValues[steno::kKeyLeftP] = 5;
    }
    return strokes;
}

/// The colours a view shows on the screen, as it was last painted.
std::set<QRgb> Colours(const QWidget& view)
{
    QCoreApplication::processEvents();
    const QWidget& window = *view.window();
    const QImage image =
        window.screen()
            ->grabWindow(window.winId(), view.x(), view.y(), view.width(), view.height())
            .toImage();
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) & 0xFFFFFF);
    return colours;
}

constexpr QRgb kBlue = 0x0000FF;
constexpr QRgb kGreen = 0x005A00;

class StrokeMonitorTest : public QuillmarkDlgFixture
{
protected:
    CStrokeMonitorDlg& Monitor() { return *m_dlg.StrokeMonitor(); }
    CStrokeTimeMonitor& TimeMonitor() { return *m_dlg.TimeMonitor(); }

    /// Runs the Configuration command; act works the dialog and must end it.
    void Configure(const std::function<void(CConfigurationDlg&)>& act)
    {
        bool bSeen = false;
        QTimer::singleShot(0, [&] {
            auto* pDialog = qobject_cast<CConfigurationDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(pDialog, nullptr);
            bSeen = true;
            act(*pDialog);
            if (pDialog->isVisible()) {
                ADD_FAILURE() << "the dialog is still open";
                pDialog->reject();
            }
        });
        platform::SendCommand(&m_dlg, framework::ID_OPTIONS_CONFIGURATION);
        EXPECT_TRUE(bSeen);
    }

    static void AltM(CConfigurationDlg& dialog)
    {
        QTest::keyClick(&dialog, Qt::Key_M, Qt::AltModifier);
    }

    void ClickClose(QWidget& window)
    {
        QWidget* pClose = platform::FindControl(&window, framework::kIdCancel);
        ASSERT_NE(pClose, nullptr);
        QTest::mouseClick(pClose, Qt::LeftButton, {}, pClose->rect().center());
    }
};

} // namespace

TEST_F(StrokeMonitorTest, OpensAtTheLowerLeftAndFollowsTheCurrentStroke)
{
    const QRect rcWork = WorkArea();
    EXPECT_TRUE(Monitor().isVisible());
    EXPECT_FALSE(TimeMonitor().isVisible());
    EXPECT_EQ(Monitor().pos(), QPoint(rcWork.left() + 8, rcWork.bottom() + 1 - 106 - 43));

    Document().AssignStrokes(StrokesWithValues(5));
    Document().SetCurrentStroke(3, true);
    EXPECT_EQ(Monitor().Stroke(), Document().Stroke(3));
    platform::SendCommand(&m_dlg, framework::ID_OPTIONS_STROKE_TIMES);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&TimeMonitor()));
    // S 3, T 4, K 4 and P 5: numbers and times in both colours.
    for (const QWidget* pView : {static_cast<const QWidget*>(Monitor().View()),
                                 static_cast<const QWidget*>(TimeMonitor().View())}) {
        const std::set<QRgb> colours = Colours(*pView);
        EXPECT_TRUE(colours.count(kBlue) == 1 && colours.count(kGreen) == 1);
    }

    // No current stroke: an all-zero copy, a blank white panel.
    Document().SetCurrentStroke(-1, false);
    EXPECT_EQ(Monitor().Stroke(), CStenoStroke{});
    for (const QWidget* pView : {static_cast<const QWidget*>(Monitor().View()),
                                 static_cast<const QWidget*>(TimeMonitor().View())})
        EXPECT_EQ(Colours(*pView), std::set<QRgb>{0xFFFFFF});
}

TEST_F(StrokeMonitorTest, EscDoesNothingAndTheCloseButtonClearsTheOption)
{
    QTest::keyClick(&Monitor(), Qt::Key_Escape);
    EXPECT_TRUE(Monitor().isVisible());
    EXPECT_TRUE(m_dlg.ShowsStrokeMonitor());

    ClickClose(Monitor());
    EXPECT_FALSE(Monitor().isVisible());
    EXPECT_FALSE(m_dlg.ShowsStrokeMonitor());
    Configure([](CConfigurationDlg& dialog) {
        EXPECT_FALSE(dialog.CheckBox().GetCheck());
        dialog.reject();
    });
}

TEST_F(StrokeMonitorTest, ConfigurationChangesNothingUnlessConfirmed)
{
    Configure([](CConfigurationDlg& dialog) {
        EXPECT_EQ(dialog.size(), QSize(451, 202));
        EXPECT_TRUE(dialog.CheckBox().GetCheck());
        AltM(dialog);
        EXPECT_FALSE(dialog.CheckBox().GetCheck());
        AltM(dialog);
        EXPECT_TRUE(dialog.CheckBox().GetCheck());
        AltM(dialog);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_TRUE(Monitor().isVisible());
    EXPECT_TRUE(m_dlg.ShowsStrokeMonitor());
}

TEST_F(StrokeMonitorTest, OkHidesTheMonitorAndShowsItAgainWhereItWas)
{
    Monitor().move(200, 150);
    const QPoint ptWas = Monitor().pos();
    Configure([](CConfigurationDlg& dialog) {
        const QWidget& box = dialog.CheckBox();
        QTest::mouseClick(const_cast<QWidget*>(&box), Qt::LeftButton, {}, box.rect().center());
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    EXPECT_FALSE(Monitor().isVisible());
    EXPECT_FALSE(m_dlg.ShowsStrokeMonitor());

    Configure([](CConfigurationDlg& dialog) {
        AltM(dialog);
        QWidget* pOk = platform::FindControl(&dialog, framework::kIdOk);
        QTest::mouseClick(pOk, Qt::LeftButton, {}, pOk->rect().center());
    });
    EXPECT_TRUE(Monitor().isVisible());
    EXPECT_TRUE(m_dlg.ShowsStrokeMonitor());
    EXPECT_EQ(Monitor().pos(), ptWas);
}

TEST_F(StrokeMonitorTest, ResizingKeepsTheCloseButtonAndGrowsTheRow)
{
    const int nFontBefore = Monitor().View()->Layout().nKeyFont;
    Monitor().resize(700, 500);
    // No higher than twice the opening height.
    EXPECT_EQ(Monitor().size(), QSize(700, 212));
    EXPECT_EQ(platform::FindControl(&Monitor(), framework::kIdCancel)->pos(), QPoint(667, 3));
    EXPECT_GT(Monitor().View()->Layout().nKeyFont, nFontBefore);
}

TEST_F(StrokeMonitorTest, TimeMonitorStaysBetweenItsBitmapAndAFifthOfTheScreen)
{
    platform::SendCommand(&m_dlg, framework::ID_OPTIONS_STROKE_TIMES);
    ASSERT_TRUE(TimeMonitor().isVisible());
    EXPECT_EQ(TimeMonitor().size(), QSize(122, 537));
    TimeMonitor().resize(50, 600);
    EXPECT_EQ(TimeMonitor().width(), 122);
    TimeMonitor().resize(10000, 600);
    EXPECT_EQ(TimeMonitor().width(), platform::FullScreenClientSize().cx / 5);
    EXPECT_EQ(TimeMonitor().height(), 600);

    ClickClose(TimeMonitor());
    EXPECT_FALSE(TimeMonitor().isVisible());
    EXPECT_TRUE(Monitor().isVisible());
}
