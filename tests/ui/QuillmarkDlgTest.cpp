// The main window's start-up, size states, mouse, About box and painting.

#include "QuillmarkDlgFixture.h"

#include "framework/CommandIds.h"
#include "mainwindow/AboutDlg.h"
#include "mainwindow/MainWindowLayout.h"
#include "platform/DialogControls.h"
#include "platform/Fonts.h"
#include "tests/ui/PlatformTestSupport.h"

#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QTimer>

using namespace framework;
using namespace mainwindowtest;

namespace {

QRect ControlRect(QWidget& parent, int nID)
{
    QWidget* pControl = platform::FindControl(&parent, nID);
    return pControl != nullptr ? pControl->geometry() : QRect();
}

/// Buttons, list and status where the layout rules put them for the window's size.
void ExpectControlsPlaced(CQuillmarkDlg& dlg)
{
    const int w = dlg.width();
    const int h = dlg.height();
    for (const mainwindow::ButtonPlace& place : mainwindow::PlaceButtons(w))
        EXPECT_EQ(ControlRect(dlg, place.nId).topLeft(), QPoint(place.topLeft.x, place.topLeft.y))
            << place.nId;
    EXPECT_EQ(dlg.List()->geometry(), platform::ToQRect(mainwindow::ListRect(w, h)));
    EXPECT_EQ(dlg.StatusRect(), mainwindow::StatusRect(w, h));
}

/// Runs check on the modal window or pop-up menu that the next action opens,
/// then closes it so the action returns.
void OnNextModal(std::function<void(QWidget&)> check)
{
    QTimer::singleShot(0, [check = std::move(check)] {
        QWidget* pModal = QApplication::activePopupWidget();
        if (pModal == nullptr)
            pModal = QApplication::activeModalWidget();
        ASSERT_NE(pModal, nullptr);
        check(*pModal);
        pModal->close();
    });
}

} // namespace

class QuillmarkDlgTest : public QuillmarkDlgFixture
{
protected:
    void ExpectControlsPlaced() { ::ExpectControlsPlaced(m_dlg); }
};

TEST_F(QuillmarkDlgTest, StartsMaximisedToTheWorkAreaWithNoDocument)
{
    EXPECT_EQ(m_dlg.geometry(), WorkArea());
    EXPECT_EQ(m_dlg.WindowState(), mainwindow::kWindowMaximized);
    EXPECT_EQ(m_dlg.windowTitle(), QStringLiteral("Quillmark - No document"));
    EXPECT_TRUE(m_dlg.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(m_dlg.FileMenu().isVisible());
    EXPECT_TRUE(m_dlg.List()->hasFocus());
    ExpectControlsPlaced();
    // The opening rectangle is the template's size, centred on the work area.
    const QRect rcNormal = platform::ToQRect(m_dlg.NormalRect());
    EXPECT_EQ(rcNormal.size(), QSize(675, 520));
    EXPECT_LE((rcNormal.center() - WorkArea().center()).manhattanLength(), 2);
}

TEST_F(QuillmarkDlgTest, MaximizeButtonSwitchesBetweenTheTwoSizes)
{
    const QRect rcNormal = platform::ToQRect(m_dlg.NormalRect());
    QTest::mouseClick(platform::FindControl(&m_dlg, IDC_BTN_MAXIMIZE), Qt::LeftButton);
    EXPECT_EQ(m_dlg.WindowState(), mainwindow::kWindowNormal);
    EXPECT_EQ(m_dlg.geometry(), rcNormal);
    EXPECT_TRUE(m_dlg.IsSizeGripVisible());

    QTest::mouseClick(platform::FindControl(&m_dlg, IDC_BTN_MAXIMIZE), Qt::LeftButton);
    EXPECT_EQ(m_dlg.WindowState(), mainwindow::kWindowMaximized);
    EXPECT_EQ(m_dlg.geometry(), WorkArea());
    EXPECT_FALSE(m_dlg.IsSizeGripVisible());
}

TEST_F(QuillmarkDlgTest, DoubleClickTogglesOnlyInTheTitleBand)
{
    QTest::mouseDClick(&m_dlg, Qt::LeftButton, Qt::NoModifier, QPoint(400, 38));
    EXPECT_EQ(m_dlg.WindowState(), mainwindow::kWindowMaximized);
    QTest::mouseDClick(&m_dlg, Qt::LeftButton, Qt::NoModifier, QPoint(400, 37));
    EXPECT_EQ(m_dlg.WindowState(), mainwindow::kWindowNormal);
    QTest::mouseDClick(&m_dlg, Qt::LeftButton, Qt::NoModifier, QPoint(300, 0));
    EXPECT_EQ(m_dlg.WindowState(), mainwindow::kWindowMaximized);
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
    ExpectControlsPlaced();
    EXPECT_EQ(m_dlg.FileMenu().pos(), QPoint(5, 76)); // the menus stay where they open
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
    EXPECT_TRUE(texts.contains(QString::fromWCharArray(CAboutDlg::kPurposeLine)));
    EXPECT_TRUE(m_dlg.isVisible());
}

TEST_F(QuillmarkDlgTest, RightClickOnTheTitleBandShowsTheWindowMenu)
{
    QStringList entries;
    OnNextModal([&entries](QWidget& popup) {
        auto* pMenu = qobject_cast<QMenu*>(&popup);
        ASSERT_NE(pMenu, nullptr);
        for (const QAction* pAction : pMenu->actions()) {
            if (!pAction->isSeparator())
                entries << pAction->text() + (pAction->isEnabled() ? "" : " (off)");
        }
    });
    const QPoint ptTitle(300, 20);
    QContextMenuEvent click(QContextMenuEvent::Mouse, ptTitle, m_dlg.mapToGlobal(ptTitle));
    QApplication::sendEvent(&m_dlg, &click);
    EXPECT_EQ(entries, (QStringList{"&Restore", "Mi&nimize", "Ma&ximize (off)", "&Close",
                                    "&About Quillmark..."}));
}

namespace {

/// Put in place before the window loads its skin: a white background makes the
/// drawn text the only dark pixels.
struct CWhiteBackground
{
    testsupport::CBitmapOverrides m_skin{{130, testsupport::SolidPixmap(675, 521, Qt::white)}};
};

class QuillmarkDlgPaintTest : public CWhiteBackground, public QuillmarkDlgFixture
{
protected:
    int Dpr() const { return static_cast<int>(m_dlg.devicePixelRatio()); }

    /// The visible part of the status rectangle as the window shows it.
    QImage StatusPixels()
    {
        const platform::Rect rc = m_dlg.StatusRect();
        const QRect rcVisible(rc.left, rc.top, m_dlg.width() - rc.left, rc.Height());
        return m_dlg.grab(rcVisible).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }

    /// The same part drawn here with the status font, on white.
    QImage Expected(const std::wstring& strText)
    {
        const platform::Rect rc = m_dlg.StatusRect();
        QImage image((m_dlg.width() - rc.left) * Dpr(), rc.Height() * Dpr(),
                     QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(Dpr());
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(platform::MakeFont({L"Arial", -17, platform::kWeightBold}));
        platform::SetBkMode(painter, platform::BkMode::Transparent);
        platform::SetTextColor(painter, platform::kBlack);
        platform::DrawText(painter, {0, 0, rc.Width(), rc.Height()}, strText,
                           platform::kDtLeft | platform::kDtTop | platform::kDtSingleLine);
        return image;
    }

    /// Whether any pixel of the band is far from white.
    bool HasInk(const QRect& rcBand)
    {
        const QImage image = m_dlg.grab(rcBand).toImage();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y).lightness() < 128)
                    return true;
            }
        }
        return false;
    }
};

} // namespace

TEST_F(QuillmarkDlgPaintTest, StatusTextFollowsTheCurrentStroke)
{
    EXPECT_EQ(StatusPixels(), Expected(L"Stroke 0 of 0"));
    Open(12);
    EXPECT_EQ(StatusPixels(), Expected(L"Stroke 1 of 12"));
    Document().SetCurrentStroke(-1, false);
    EXPECT_EQ(StatusPixels(), Expected(L"Stroke 0 of 12"));
}

TEST_F(QuillmarkDlgPaintTest, HeadingsAlwaysAndThePathLineOnlyWithADocument)
{
    const QRect rcHeadings(0, 95, m_dlg.width(), 30);
    const QRect rcPath(170, 8, m_dlg.width() - 270, 26);
    EXPECT_TRUE(HasInk(rcHeadings));
    EXPECT_FALSE(HasInk(rcPath));
    Open(3);
    EXPECT_TRUE(HasInk(rcPath));
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
    // The top strip repeats columns 605 to 654 from x = 625 on: blue from 20
    // columns into each copy.
    EXPECT_EQ(image.pixelColor(630 * dpr, 20 * dpr), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(650 * dpr, 20 * dpr), QColor(Qt::blue));
}
