// Moving the current stroke costs about the same whether the two monitors are
// shown or hidden: the main window with a document of generated strokes, the
// current stroke moved one down again and again with every window repainted
// after each move, once with the stroke monitor and the stroke time monitor
// shown and once with both hidden, in short alternating rounds of the same
// run. The best round of each is compared; the medians are printed beside it.
// Usage: quillmark-bench-monitors [MOVES] [ROUNDS]
#include "bench/BenchList.h"
#include "framework/CommandIds.h"
#include "mainwindow/QuillmarkDlg.h"
#include "monitors/StrokeMonitorDlg.h"
#include "monitors/StrokeTimeMonitor.h"
#include "platform/Fonts.h"
#include "platform/CommandEvent.h"
#include "strokelist/StenoViewList.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "tests/support/ScriptedPrompter.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kStrokeCount = 10000;

// Varied raw keys with values of 2 and more on every key, so the monitors
// draw numbers and times as well as letters.
std::vector<CStenoStroke> Strokes()
{
    std::vector<CStenoStroke> strokes = bench::VariedStrokes(kStrokeCount);
    for (CStenoStroke& stroke : strokes) {
        for (std::size_t k = 0; k < stroke.m_keyValues.size(); ++k) {
            stroke.m_keyValues[k] = static_cast<std::uint16_t>(2 + (stroke.m_rawKeys >> k) % 900);
            stroke.m_keyTimes[k] = {static_cast<std::int32_t>(stroke.m_rawKeys), 31104303};
        }
    }
    return strokes;
}

/// Seconds per move, each followed by the repaints it causes.
double MoveSeconds(doc::CStrokeDocument& document, int nMoves)
{
    return bench::SecondsPer(nMoves, [&document] {
        document.SetCurrentStroke((document.Current() + 1) % document.Count(), true);
        QCoreApplication::processEvents();
    });
}

void ShowMonitors(CQuillmarkDlg& dlg, bool bShow)
{
    dlg.Monitors().StrokeMonitor()->setVisible(bShow);
    dlg.Monitors().TimeMonitor()->setVisible(bShow);
    QCoreApplication::processEvents();
}

void PrintTimes(const char* pszWhat, const bench::Summary& summary)
{
    std::printf("%-15s best %.3f ms, median %.3f ms per move\n", pszWhat, summary.nBest * 1000,
                summary.nMedian * 1000);
}

} // namespace

int main(int argc, char** argv)
{
    bench::UseOffscreenPlatform();
    QApplication app(argc, argv);
    platform::RegisterFontSubstitutions();
    const int nMoves = bench::CountArgument(argc, argv, 1, 50);
    const int nRounds = bench::CountArgument(argc, argv, 2, 21);

    platform::ScriptedPrompter prompter;
    platform::ScriptedFileDialogs fileDialogs;
    CQuillmarkDlg dlg(prompter, fileDialogs);
    dlg.show();
    doc::CStrokeDocument& document = dlg.Document();
    document.AssignStrokes(Strokes());
    document.SetCurrentStroke(0, true);
    QCoreApplication::processEvents();

    std::vector<double> shownTimes;
    std::vector<double> hiddenTimes;
    for (int round = 0; round < nRounds; ++round) {
        ShowMonitors(dlg, true);
        shownTimes.push_back(MoveSeconds(document, nMoves));
        ShowMonitors(dlg, false);
        hiddenTimes.push_back(MoveSeconds(document, nMoves));
    }
    const bench::Summary shown = bench::Summarise(shownTimes);
    const bench::Summary hidden = bench::Summarise(hiddenTimes);
    std::printf("moving the current stroke in a %dx%d main window, %d strokes, %d alternating "
                "rounds of %d moves\n",
                dlg.width(), dlg.height(), kStrokeCount, nRounds, nMoves);
    PrintTimes("monitors shown:", shown);
    PrintTimes("monitors hidden:", hidden);
    std::printf("ratio shown / hidden: best %.3f, median %.3f\n", shown.nBest / hidden.nBest,
                shown.nMedian / hidden.nMedian);
    return 0;
}
