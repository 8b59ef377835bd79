// The main window's start-up, size states, mouse, About box and background.

#include "QuillmarkDlgFixture.h"

#include "framework/CommandIds.h"
#include "mainwindow/AboutDlg.h"
#include "mainwindow/MainWindowLayout.h"
#include "platform/DialogControls.h"
#include "tests/ui/PlatformTestSupport.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

using namespace framework;
using namespace mainwindowtest;

namespace {

/// Runs check on the modal window that the next action opens, then closes it
/// so the action returns.
void OnNextModal(std::function<void(QWidget&)> check)
{
    QTimer::singleShot(0, [check = std::move(check)] {
        QWidget* pModal = QApplication::activeModalWidget();
        ASSERT_NE(pModal, nullptr);
        check(*pModal);
        pModal->close();
    });
}

} // namespace

using QuillmarkDlgTest = QuillmarkDlgFixture;

// Starting across the screen with the keys in the list is the end-to-end run's.
TEST_F(QuillmarkDlgTest, StartsMaximisedWithNoDocument)
{
    EXPECT_EQ(m_dlg.WindowState(), mainwindow::kWindowMaximized);
    EXPECT_EQ(m_dlg.windowTitle(), QStringLiteral("Quillmark - No document"));
}

// The maximise button toggles between the work area and the normal rectangle;
// the size grip shows only in the latter.
TEST_F(QuillmarkDlgTest, MaximizeButtonTogglesTheSize)
{
    const QRect rcNormal = platform::ToQRect(m_dlg.NormalRect());
    QTest::mouseClick(platform::FindControl(&m_dlg, IDC_BTN_MAXIMIZE), Qt::LeftButton);
    EXPECT_EQ(m_dlg.geometry(), rcNormal);
    EXPECT_TRUE(m_dlg.IsSizeGripVisible());
    QTest::mouseClick(platform::FindControl(&m_dlg, IDC_BTN_MAXIMIZE), Qt::LeftButton);
    EXPECT_EQ(m_dlg.geometry(), WorkArea());
    EXPECT_FALSE(m_dlg.IsSizeGripVisible());
}

TEST_F(QuillmarkDlgTest, DraggingTheBodyMovesOnlyTheNormalWindow)
{
    const auto drag = [this] {
        QTest::mousePress(&m_dlg, Qt::LeftButton, Qt::NoModifier, QPoint(400, 20));
        QTest::mouseMove(&m_dlg, QPoint(430, 40));
        QTest::mouseRelease(&m_dlg, Qt::LeftButton, Qt::NoModifier, QPoint(430, 40));
    };
    drag();
    EXPECT_EQ(m_dlg.geometry(), WorkArea());

    m_dlg.ToggleMaximize();
    const QPoint ptBefore = m_dlg.pos();
    drag();
    EXPECT_EQ(m_dlg.pos(), ptBefore + QPoint(30, 20));
}

TEST_F(QuillmarkDlgTest, ResizingReplacesButtonsListAndStatus)
{
    m_dlg.ToggleMaximize();
    m_dlg.resize(800, 560);
    EXPECT_EQ(m_dlg.List()->geometry(), platform::ToQRect(mainwindow::ListRect(800, 560)));
    const mainwindow::ButtonPlace place = mainwindow::PlaceButtons(800)[0];
    EXPECT_EQ(platform::FindControl(&m_dlg, place.nId)->pos(),
              QPoint(place.topLeft.x, place.topLeft.y));
    EXPECT_EQ(m_dlg.Menus().File().pos(), QPoint(5, 76)); // the menus stay where they open
}

TEST_F(QuillmarkDlgTest, HelpButtonShowsTheAboutBox)
{
    QStringList texts;
    OnNextModal([&texts](QWidget& modal) {
        ASSERT_NE(qobject_cast<CAboutDlg*>(&modal), nullptr);
        for (const QLabel* pLabel : modal.findChildren<QLabel*>())
            texts << pLabel->text();
    });
    QTest::mouseClick(platform::FindControl(&m_dlg, IDC_BTN_HELP), Qt::LeftButton);
    EXPECT_TRUE(texts.contains(QStringLiteral("Quillmark Version 1.0")));
}

TEST(QuillmarkDlgPainting, BackgroundIsStretchedFromTheSkin)
{
    // A background whose last 50 columns are blue: after stretching, the right
    // 50 columns of the window are blue.
    QPixmap background = testsupport::SolidPixmap(675, 521, Qt::white);
    {
        QPainter painter(&background);
        painter.fillRect(625, 0, 50, 521, Qt::blue);
    }
    testsupport::CBitmapOverrides skin{{130, background}};
    platform::ScriptedPrompter prompter;
    platform::ScriptedFileDialogs dialogs;
    CQuillmarkDlg dlg(prompter, dialogs);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    ASSERT_GT(dlg.width(), 675);
    const QImage image = dlg.grab().toImage();
    const int dpr = static_cast<int>(dlg.devicePixelRatio());
    EXPECT_EQ(image.pixelColor((dlg.width() - 20) * dpr, 60 * dpr), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor((dlg.width() - 60) * dpr, 60 * dpr), QColor(Qt::white));
}
