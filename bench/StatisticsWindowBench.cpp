// The list keeps moving while the statistics window computes. A main window
// holds generated strokes (1,000,000 by default); the current stroke is moved
// one down and the events are handled, again and again, first with the
// statistics window hidden, then from the moment it opens until its
// statistics arrive. The longest and the median move of each are compared:
// a copy or a count held up on the window's thread would show as one long
// move. The time from opening the window to its statistics is compared with
// computing them directly on the same strokes.
// Usage: quillmark-bench-statistics-window [STROKES]
#include "bench/BenchRounds.h"
#include "document/StrokeDocument.h"
#include "mainwindow/QuillmarkDlg.h"
#include "platform/Fonts.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtPrompter.h"
#include "statistics/StatisticsDlg.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

/// One move of the current stroke, with the events it causes handled.
double MoveSeconds(doc::CStrokeDocument& document)
{
    const Clock::time_point start = Clock::now();
    document.SetCurrentStroke((document.Current() + 1) % document.Count(), true);
    QCoreApplication::processEvents();
    return SecondsSince(start);
}

void PrintMoves(const char* pszWhat, std::vector<double> times)
{
    const double longest = *std::max_element(times.begin(), times.end());
    const bench::Summary summary = bench::Summarise(std::move(times));
    std::printf("%-28s longest %.3f ms, median %.3f ms per move\n", pszWhat, longest * 1000,
                summary.nMedian * 1000);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::RegisterFontSubstitutions();
    const int nCount = argc > 1 ? std::max(2, std::atoi(argv[1])) : 1000000;

    QtPrompter prompter;         // never asked here
    QtFileDialogs fileDialogs(nullptr);
    CQuillmarkDlg dlg(prompter, fileDialogs);
    dlg.show();
    doc::CStrokeDocument& document = dlg.Document();
    document.AssignStrokes(bench::VariedStrokes(nCount));
    document.SetCurrentStroke(0, true);
    QCoreApplication::processEvents();

    const Clock::time_point directStart = Clock::now();
    statistics::StatisticsInput input;
    input.strokes = document.Strokes();
    const auto direct = statistics::ComputeStatistics(input);
    const double directSeconds = SecondsSince(directStart);

    std::vector<double> computing;
    const Clock::time_point windowStart = Clock::now();
    dlg.Statistics().ShowRange(0, document.Count());
    while (dlg.Statistics().IsComputing())
        computing.push_back(MoveSeconds(document));
    const double windowSeconds = SecondsSince(windowStart);
    dlg.Statistics().hide();
    std::vector<double> idle;
    for (std::size_t i = 0; i < std::max<std::size_t>(computing.size(), 100); ++i)
        idle.push_back(MoveSeconds(document));

    std::printf("%d strokes (%lld counted directly), %zu moves while the window computed\n",
                nCount, static_cast<long long>(direct ? direct->nStrokes : 0), computing.size());
    PrintMoves("window hidden:", idle);
    PrintMoves("window computing:", computing);
    std::printf("opening to statistics %.3f s, computing directly %.3f s -> %.2fx\n",
                windowSeconds, directSeconds, windowSeconds / directSeconds);
    return 0;
}
