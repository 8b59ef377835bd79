// Painting the stroke list at a maximised size costs the same whatever the
// length of the document: a list of 1,000,000 strokes against one of 1,000,
// both scrolled to their middle and rendered into an image many times, the
// two measured in alternating rounds of the same run.
// Usage: quillmark-bench-list-paint [REPEATS] [ROUNDS]
#include "platform/Fonts.h"
#include "platform/ScriptedPrompter.h"
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
        list.Document().SetCurrentStroke(nCount / 2, true);
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

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::RegisterFontSubstitutions();
    const int nRepeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    const int nRounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;

    auto small = std::make_unique<ListUnderTest>(kSmallCount);
    auto large = std::make_unique<ListUnderTest>(kLargeCount);
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    // The first paint lays out; keep it out of the measurement.
    PaintSeconds(small->list, image, 1);
    PaintSeconds(large->list, image, 1);

    std::vector<double> smallTimes;
    std::vector<double> largeTimes;
    for (int round = 0; round < nRounds; ++round) {
        smallTimes.push_back(PaintSeconds(small->list, image, nRepeats));
        largeTimes.push_back(PaintSeconds(large->list, image, nRepeats));
    }
    const double nSmall = Median(smallTimes);
    const double nLarge = Median(largeTimes);
    std::printf("list paint %dx%d, %d rows, median of %d rounds of %d paints\n", kWidth, kHeight,
                large->list.Layout().nPageRows, nRounds, nRepeats);
    std::printf("%7d strokes: %.3f ms per paint\n", kSmallCount, nSmall * 1000);
    std::printf("%7d strokes: %.3f ms per paint\n", kLargeCount, nLarge * 1000);
    std::printf("ratio: %.3f\n", nLarge / nSmall);
    return 0;
}
