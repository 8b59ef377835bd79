// Painting the stroke list at a maximised size costs the same whatever the
// length of the document: a list of 1,000,000 strokes against one of 1,000,
// both scrolled to their middle and rendered into an image many times, the
// two measured in short alternating rounds of the same run. The best round of
// each is the figure compared: on a shared machine it is the one least
// disturbed by other work; the medians are printed beside it.
// Usage: quillmark-bench-list-paint [REPEATS] [ROUNDS]
#include "bench/BenchList.h"

#include <QApplication>
#include <QImage>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using bench::kHeight;
using bench::kLargeCount;
using bench::kSmallCount;
using bench::kWidth;
using bench::ListUnderTest;

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
    bench::UseOffscreenPlatform();
    QApplication app(argc, argv);
    platform::RegisterFontSubstitutions();
    const int nRepeats = bench::CountArgument(argc, argv, 1, 10);
    const int nRounds = bench::CountArgument(argc, argv, 2, 31);

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
