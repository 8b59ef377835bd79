// Painting the stroke list at a maximised size costs the same whatever the
// length of the document: a list of 1,000,000 strokes against one of 1,000,
// both scrolled to their middle and rendered into an image many times, the
// two measured in short alternating rounds of the same run. The best round of
// each is the figure compared: on a shared machine it is the one least
// disturbed by other work; the medians are printed beside it.
// Usage: quillmark-bench-list-paint [REPEATS] [ROUNDS]
#include "bench/BenchRounds.h"
#include "platform/Fonts.h"
#include "platform/QtPrompter.h"
#include "strokelist/StenoViewList.h"

#include <QApplication>
#include <QImage>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kWidth = 1900;
constexpr int kHeight = 1000;
constexpr int kSmallCount = 1000;
constexpr int kLargeCount = 1000000;

struct ListUnderTest
{
    QtPrompter prompter; // the list never asks here
    CStenoViewList list{nullptr, nullptr, prompter};

    explicit ListUnderTest(int nCount)
    {
        list.resize(kWidth, kHeight);
        list.show();
        list.Document().AssignStrokes(bench::VariedStrokes(nCount));
        list.ResetLayout();
    }

    /// Lays out with a first paint, then brings the middle stroke into view.
    void ShowMiddle(QImage& image)
    {
        list.render(&image);
        list.Document().SetCurrentStroke(list.Document().Count() / 2, true);
    }
};

/// Seconds per paint over nRepeats paints.
double PaintSeconds(CStenoViewList& list, QImage& image, int nRepeats)
{
    return bench::SecondsPer(nRepeats, [&] { list.render(&image); });
}

void PrintTimes(int nCount, const bench::Summary& summary)
{
    std::printf("%7d strokes: best %.3f ms, median %.3f ms per paint\n", nCount,
                summary.nBest * 1000, summary.nMedian * 1000);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::RegisterFontSubstitutions();
    const int nRepeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const int nRounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 31;

    auto smallList = std::make_unique<ListUnderTest>(kSmallCount);
    auto largeList = std::make_unique<ListUnderTest>(kLargeCount);
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    smallList->ShowMiddle(image);
    largeList->ShowMiddle(image);

    std::vector<double> smallTimes;
    std::vector<double> largeTimes;
    for (int round = 0; round < nRounds; ++round) {
        smallTimes.push_back(PaintSeconds(smallList->list, image, nRepeats));
        largeTimes.push_back(PaintSeconds(largeList->list, image, nRepeats));
    }
    const bench::Summary small = bench::Summarise(smallTimes);
    const bench::Summary large = bench::Summarise(largeTimes);
    std::printf(
        "list paint %dx%d, %d rows from rows %d and %d, %d alternating rounds of %d paints\n",
        kWidth, kHeight, largeList->list.Layout().nPageRows, smallList->list.ScrollPos(),
        largeList->list.ScrollPos(), nRounds, nRepeats);
    PrintTimes(kSmallCount, small);
    PrintTimes(kLargeCount, large);
    std::printf("ratio %d / %d strokes: best %.3f, median %.3f\n", kLargeCount, kSmallCount,
                large.nBest / small.nBest, large.nMedian / small.nMedian);
    return 0;
}
