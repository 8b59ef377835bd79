// Opening the stroke editor costs the same whatever the length of the document:
// the editor opened on stroke 500,000 of 1,000,000 strokes against stroke 500
// of 1,000, offscreen. One opening is BeginEdit (fill, place, show, focus), a
// paint of the editor and the closing that the next move of the current stroke
// does. The two lists are measured in short alternating rounds of one run.
// Usage: quillmark-bench-stroke-edit [REPEATS] [ROUNDS]
#include "bench/BenchList.h"
#include "fields/StenoStrokeEdit.h"

#include <QApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using bench::kHeight;
using bench::kLargeCount;
using bench::kSmallCount;
using bench::kWidth;

struct EditorList : bench::ListUnderTest
{
    using ListUnderTest::ListUnderTest;

    /// Whether an opening leaves the editor shown until it is closed.
    bool OpensEditor(QImage& image)
    {
        list.BeginEdit();
        list.StrokeEdit().render(&image);
        const bool bShown = list.StrokeEdit().isVisible();
        list.StrokeEdit().Close();
        return bShown;
    }

    void OpenAndClose(QImage& image)
    {
        list.BeginEdit();
        list.StrokeEdit().render(&image);
        list.StrokeEdit().Close();
    }
};

void PrintTimes(int nCount, const bench::Summary& summary)
{
    std::printf("%7d strokes: best %.1f us, median %.1f us per opening\n", nCount,
                summary.nBest * 1e6, summary.nMedian * 1e6);
}

} // namespace

int main(int argc, char** argv)
{
    bench::UseOffscreenPlatform();
    QApplication app(argc, argv);
    platform::RegisterFontSubstitutions();
    const int nRepeats = bench::CountArgument(argc, argv, 1, 200);
    const int nRounds = bench::CountArgument(argc, argv, 2, 31);

    auto smallList = std::make_unique<EditorList>(kSmallCount);
    auto largeList = std::make_unique<EditorList>(kLargeCount);
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    smallList->ShowMiddle(image);
    largeList->ShowMiddle(image);
    if (!smallList->OpensEditor(image) || !largeList->OpensEditor(image)) {
        std::fprintf(stderr, "the stroke editor did not open\n");
        return 1;
    }

    std::vector<double> smallTimes;
    std::vector<double> largeTimes;
    for (int round = 0; round < nRounds; ++round) {
        smallTimes.push_back(bench::SecondsPer(nRepeats, [&] { smallList->OpenAndClose(image); }));
        largeTimes.push_back(bench::SecondsPer(nRepeats, [&] { largeList->OpenAndClose(image); }));
    }
    const bench::Summary small = bench::Summarise(smallTimes);
    const bench::Summary large = bench::Summarise(largeTimes);
    std::printf("stroke editor on strokes %d and %d, %d alternating rounds of %d openings\n",
                smallList->document.Current(), largeList->document.Current(), nRounds,
                nRepeats);
    PrintTimes(kSmallCount, small);
    PrintTimes(kLargeCount, large);
    std::printf("ratio %d / %d strokes: best %.3f, median %.3f\n", kLargeCount, kSmallCount,
                large.nBest / small.nBest, large.nMedian / small.nMedian);
    return 0;
}
