// Painting the stroke list at a maximised size costs the same whatever the
// length of the document: a list of 1,000,000 strokes against one of 1,000,
// both scrolled to their middle and rendered into an image many times, the
// two measured in short alternating rounds of the same run. The best round of
// each is the figure compared: on a shared machine it is the one least
// disturbed by other work; the medians are printed beside it.
// Usage: quillmark-bench-list-paint [REPEATS] [ROUNDS]
#include "platform/Fonts.h"
#include "strokelist/StenoViewList.h"
#include "tests/support/ScriptedPrompter.h"

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

// Varied keys, some of them marked, so the rows draw a realistic mix of cells.
std::vector<CStenoStroke> Strokes(int nCount)
{
    std::vector<CStenoStroke> strokes(static_cast<std::size_t>(nCount));
    std::uint32_t nSeed = 12345;
    for (int i = 0; i < nCount; ++i) {
        CStenoStroke& stroke = strokes[static_cast<std::size_t>(i)];
        nSeed = nSeed * 1664525U + 1013904223U;
        stroke.m_time = 1700000000 + i;
        stroke.m_rawKeys = (nSeed >> 4) & steno::kAllKeysMask;
        stroke.m_keys = stroke.m_rawKeys;
        stroke.m_keyValues[static_cast<std::size_t>(i % steno::kKeyCount)] = 2;
    }
    return strokes;
}

struct ListUnderTest
{
    platform::ScriptedPrompter prompter;
    CStenoViewList list{nullptr, nullptr, prompter};

    explicit ListUnderTest(int nCount)
    {
        list.resize(kWidth, kHeight);
        list.show();
        list.Document().AssignStrokes(Strokes(nCount));
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
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < nRepeats; ++i)
        list.render(&image);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / nRepeats;
}

struct Summary
{
    double nBest;
    double nMedian;
};

Summary Summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values.front(), values[values.size() / 2]};
}

void PrintTimes(int nCount, const Summary& summary)
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
    const Summary small = Summarise(smallTimes);
    const Summary large = Summarise(largeTimes);
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
