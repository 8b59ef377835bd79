// The main window's range commands wired to the list, the dialogs and the
// flows: Copy as Text from the list's keys, Shift Times through its menu
// letter and its dialog, Export and Import through their routes.
#include "QuillmarkDlgFixture.h"

#include "base/LocalTime.h"
#include "exchange/DumpLine.h"
#include "shift/ShiftTimesDlg.h"

#include <QClipboard>
#include <QLineEdit>
#include <QTimer>

using namespace framework;
using namespace mainwindowtest;

namespace {

class RangeCommandsTest : public QuillmarkDlgFixture
{
protected:
    RangeCommandsTest() : m_zone(kUtcZone) {}

    int HourOf(int nStroke) { return base::LocalHour(Document().Stroke(nStroke).m_time); }

    CScopedTimeZone m_zone;
};

} // namespace

TEST_F(RangeCommandsTest, CtrlShiftCPutsTheSelectionAsDumpLinesOnTheSystemClipboard)
{
    Open(6);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0] + '\n', QString::fromLatin1(exchange::kDumpHeader));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("2\t")));
    EXPECT_EQ(Document().Clipboard().size(), 3u);
}

// A refused shift leaves the dialog open with its message shown; the other
// choice, taken with Alt+M, makes the current stroke 10:00:00.
TEST_F(RangeCommandsTest, ShiftTimesFromTheEditMenuShiftsEveryStrokeOnceItCan)
{
    Open(4);
    Key(Qt::Key_E, Qt::AltModifier);
    bool bOpen = false;
    // Runs inside the dialog's own loop, which S below starts.
    QTimer::singleShot(0, [&] {
        auto* pDlg = qobject_cast<CShiftTimesDlg*>(QApplication::activeModalWidget());
        if (pDlg == nullptr)
            return;
        QApplication::setActiveWindow(pDlg);
        EXPECT_TRUE(QTest::qWaitForWindowActive(pDlg));
        pDlg->Field(shift::ShiftKind::ByAmount)->setText(QStringLiteral("-10:00:00"));
        Key(Qt::Key_Return);
        bOpen = pDlg->isVisible();
        Key(Qt::Key_M, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("10:00:00"));
        Key(Qt::Key_Return);
        if (pDlg->isVisible()) // a failure, not a hang
            pDlg->reject();
    });
    Key(Qt::Key_S);
    EXPECT_TRUE(bOpen);
    ASSERT_EQ(m_prompter.Asked().size(), 1u);
    EXPECT_EQ(m_prompter.Asked()[0].kind, platform::PromptKind::Information);
    EXPECT_EQ(HourOf(0), 10);
    EXPECT_EQ(HourOf(3), 10);
}

TEST_F(RangeCommandsTest, ExportAndImportRunThroughTheirFileDialogs)
{
    Open(3);
    const std::string strCsv = m_folder / "out.csv";
    m_fileDialogs.Script(Wide(strCsv));
    platform::SendCommand(&m_dlg, ID_FILE_EXPORT);
    EXPECT_EQ(ReadBytes(strCsv).rfind("index,time,", 0), 0u);

    const std::string strLog = m_folder / "strokes.log";
    test_support::WriteBytes(strLog, "2024-05-03 09:05:07,123 Stroke(KAT : ['K-', 'A-', '-T'])\n");
    m_fileDialogs.Script(Wide(strLog));
    m_fileDialogs.Script(Wide(m_folder / "imported.rtf"));
    platform::SendCommand(&m_dlg, ID_FILE_IMPORT);
    EXPECT_EQ(Document().FileName(), Wide(m_folder / "imported.rtf"));
    EXPECT_EQ(Document().Count(), 1);
}
