// The statistics of small made-up documents whose answers are worked out by hand.
#include "statistics/StrokeStatistics.h"
#include "steno/StenoEncoder.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace statistics;

constexpr std::int64_t kT0 = 1714727100; // a minute's start
constexpr std::int64_t kM0 = kT0 / 60;
constexpr std::int64_t kTicksPerMs = 10000;

struct KeyPress
{
    int nKey = 0;
    std::uint16_t nValue = 0;
    std::int64_t nTicks = 0; ///< key-down time; 0 for none
};

CStenoStroke Stroke(std::int64_t time, const wchar_t* steno = L"KA-T",
                    std::vector<KeyPress> presses = {})
{
    CStenoStroke stroke;
    stroke.m_time = time;
    stroke.m_keys = stroke.m_rawKeys = CStenoEncoder().StenoToKeys(steno);
    for (const KeyPress& press : presses) {
        const auto n = static_cast<std::size_t>(press.nKey);
        stroke.m_keyValues[n] = press.nValue;
        stroke.m_keyTimes[n] = {static_cast<std::int32_t>(press.nTicks & 0xFFFFFFFF),
                                static_cast<std::int32_t>(press.nTicks >> 32)};
    }
    return stroke;
}

StrokeStatistics Compute(const std::vector<CStenoStroke>& strokes,
                         std::optional<std::vector<TranslationRecord>> records = std::nullopt,
                         int nFirstIndex = 0)
{
    StatisticsInput input;
    input.strokes = strokes;
    input.nFirstIndex = nFirstIndex;
    if (records)
        input.translations = std::span<const TranslationRecord>(*records);
    return ComputeStatistics(input).value();
}

TEST(StrokeStatisticsTest, AnEmptyDocumentHasNoSpanAndNoValues)
{
    const StrokeStatistics empty = Compute({});
    EXPECT_EQ(empty.nStrokes, 0);
    EXPECT_TRUE(empty.speed.minutes.empty());
    EXPECT_EQ(empty.speed.nMinuteCount, 0);
    EXPECT_EQ(empty.keys[steno::kKeyA].values.nCount, 0);
    EXPECT_TRUE(empty.keys[steno::kKeyA].values.histogram.empty());
}

// Minutes without strokes lie inside the span but hold no entry; a stroke
// timed before the one above counts in its own minute and makes no pause.
TEST(StrokeStatisticsTest, MinutesAndPausesInFileOrder)
{
    const StrokeStatistics stats = Compute(
        {Stroke(kT0), Stroke(kT0 + 70), Stroke(kT0 + 10), Stroke(kT0 + 700), Stroke(kT0 + 700)},
        std::nullopt, 40);
    EXPECT_EQ(stats.speed.minutes,
              (std::vector<MinuteCount>{{kM0, 2, 0}, {kM0 + 1, 1, 0}, {kM0 + 11, 2, 0}}));
    EXPECT_EQ(stats.speed.nFirstMinute, kM0);
    EXPECT_EQ(stats.speed.nMinuteCount, 12);
    EXPECT_EQ(stats.pauses.nPauses, 3);
    EXPECT_EQ(stats.pauses.nBackwards, 1);
    EXPECT_EQ(stats.pauses.longest, (std::vector<LongPause>{{43, 690}, {41, 70}, {44, 0}}));
    decltype(stats.pauses.bins) bins{};
    bins[0] = 1;
    bins[static_cast<std::size_t>(PauseBin(70))] = 1;
    bins[kPauseBinCount - 1] = 1;
    EXPECT_EQ(stats.pauses.bins, bins);
}

TEST(StrokeStatisticsTest, PauseBinsRiseLogarithmicallyFromATenthToTenMinutes)
{
    const std::pair<double, int> rows[] = {{0, 0},    {0.099, 0}, {0.1, 1}, {1, 6},
                                           {599, 20}, {600, 21},  {1e9, 21}};
    for (const auto& [seconds, nBin] : rows)
        EXPECT_EQ(PauseBin(seconds), nBin) << seconds;
    EXPECT_NEAR(PauseBinStart(kPauseBinCount - 1), 600, 1e-9);
    // Every whole second lies in the bin whose start the tables show for it.
    for (int nSeconds = 0; nSeconds <= 700; ++nSeconds) {
        const int nBin = PauseBin(nSeconds);
        EXPECT_LE(PauseBinStart(nBin), nSeconds);
        if (nBin + 1 < kPauseBinCount) {
            EXPECT_GT(PauseBinStart(nBin + 1), nSeconds);
        }
    }
}

TEST(StrokeStatisticsTest, OnlyTheTwentyLongestPausesAreKept)
{
    std::vector<CStenoStroke> strokes = {Stroke(kT0)};
    for (int i = 1; i <= 30; ++i) // pauses of 1 ... 15 s, twice each
        strokes.push_back(Stroke(strokes.back().m_time + (i + 1) / 2));
    const std::vector<LongPause> longest = Compute(strokes).pauses.longest;
    ASSERT_EQ(longest.size(), kLongPauseCount);
    EXPECT_EQ(longest.front(), (LongPause{29, 15}));
    EXPECT_EQ(longest[1], (LongPause{30, 15}));
    EXPECT_EQ(longest.back(), (LongPause{12, 6}));
}

// Without a translation a misstroke is a stroke followed by `*` alone;
// strokes without keys do not separate them.
TEST(StrokeStatisticsTest, MisstrokesFromStarStrokes)
{
    const std::vector<CStenoStroke> strokes = {
        Stroke(kT0, L"KA-T"), Stroke(kT0, L"*"),  Stroke(kT0, L"PW"),   Stroke(kT0, L"*"),
        Stroke(kT0, L"*"),    Stroke(kT0, L""),   Stroke(kT0, L"KA-T"), Stroke(kT0, L""),
        Stroke(kT0, L"*"),    Stroke(kT0, L"-T"), Stroke(kT0, L"*T")};
    const MisstrokeStatistics misstrokes = Compute(strokes, std::nullopt, 100).misstrokes;
    EXPECT_FALSE(misstrokes.bTranslated);
    EXPECT_EQ(misstrokes.nCount, 3);
    EXPECT_EQ(misstrokes.nOutlines, 2);
    EXPECT_EQ(misstrokes.top,
              (std::vector<Misstroke>{{L"KA-T", L"", 2, 100}, {L"PW", L"", 1, 102}}));
}

// With a translation, undone translations are the misstrokes and the words of
// those that stand count in the minute of their last stroke.
TEST(StrokeStatisticsTest, WordsAndMisstrokesFromATranslation)
{
    const std::vector<CStenoStroke> strokes = {Stroke(kT0, L"TKOG"),    Stroke(kT0 + 5, L"-S"),
                                               Stroke(kT0 + 6, L"*"),   Stroke(kT0 + 50, L"KA-T"),
                                               Stroke(kT0 + 61, L"-S"), Stroke(kT0 + 62, L"*")};
    const std::vector<TranslationRecord> records = {{10, 2, L"TKOG/-S", L"dogs", true},
                                                    {10, 1, L"TKOG", L" the dog", false},
                                                    {13, 2, L"KAT/-S", L"cats\tand  ", false},
                                                    {14, 1, L"-S", L"ignored", true},
                                                    {9, 1, L"HR", L"before", true},
                                                    {15, 2, L"*/HR", L"after", false},
                                                    {13, 0, L"", L"none", false}};
    const StrokeStatistics stats = Compute(strokes, records, 10);
    EXPECT_EQ(stats.speed.minutes, (std::vector<MinuteCount>{{kM0, 4, 2}, {kM0 + 1, 2, 2}}));
    EXPECT_EQ(stats.speed.nWords, 4);
    EXPECT_TRUE(stats.misstrokes.bTranslated);
    EXPECT_EQ(stats.misstrokes.nCount, 2);
    EXPECT_EQ(stats.misstrokes.top,
              (std::vector<Misstroke>{{L"TKOG/-S", L"dogs", 1, 10}, {L"-S", L"ignored", 1, 14}}));
}

TEST(StrokeStatisticsTest, KeysDownMarkedAndTheirShownValues)
{
    using steno::kKeyLeftS, steno::kKeyRightT, steno::kKeyA;
    std::vector<CStenoStroke> strokes;
    for (std::uint16_t nValue : {3, 5, 7, 9}) // shown 1 ... 4
        strokes.push_back(Stroke(kT0, L"SA-T", {{kKeyLeftS, 4}, {kKeyRightT, nValue}}));
    strokes.push_back(Stroke(kT0, L"A", {{kKeyLeftS, 6}, {kKeyA, 1}})); // S is not down
    const KeyTable keys = Compute(strokes).keys;

    EXPECT_EQ(keys[kKeyLeftS].nDown, 4);
    EXPECT_EQ(keys[kKeyLeftS].nMarked, 4);
    const ValueSummary& same = keys[kKeyLeftS].values;
    EXPECT_EQ(std::tie(same.nCount, same.nMin, same.nMax, same.nBinWidth), std::tuple(4, 2, 2, 1));
    EXPECT_EQ(std::tie(same.lowerQuartile, same.median, same.upperQuartile),
              std::tuple(2.0, 2.0, 2.0));
    EXPECT_EQ(same.histogram, std::vector<std::int64_t>{4});

    const ValueSummary& spread = keys[kKeyRightT].values;
    EXPECT_EQ(keys[kKeyRightT].nMarked, 0);
    EXPECT_EQ(std::tie(spread.nMin, spread.nMax), std::tuple(1, 4));
    EXPECT_EQ(std::tie(spread.lowerQuartile, spread.median, spread.upperQuartile),
              std::tuple(1.75, 2.5, 3.25));
    EXPECT_EQ(keys[kKeyA].nDown, 5);
    EXPECT_EQ(keys[kKeyA].values.nCount, 0); // 0 and 1 show no value
}

TEST(StrokeStatisticsTest, AHistogramOfWideValuesHasSixteenBinsAtMost)
{
    std::vector<CStenoStroke> strokes;
    for (int nShown = 10; nShown <= 42; ++nShown)
        strokes.push_back(
            Stroke(kT0, L"O", {{steno::kKeyO, static_cast<std::uint16_t>(2 * nShown)}}));
    strokes.push_back(Stroke(kT0, L"O", {{steno::kKeyO, 65535}}));
    const ValueSummary values = Compute(strokes).keys[steno::kKeyO].values;
    EXPECT_EQ(std::tie(values.nMin, values.nMax, values.nBinWidth), std::tuple(10, 32767, 2048));
    ASSERT_EQ(values.histogram.size(), 16u);
    EXPECT_EQ(values.histogram.front(), 33);
    EXPECT_EQ(values.histogram.back(), 1);
}

TEST(StrokeStatisticsTest, SpreadOfKeyDownTimesAndStackedStrokes)
{
    using steno::kKeyLeftS, steno::kKeyLeftT, steno::kKeyRightT;
    const std::int64_t t = 133593264000000000; // a file time of 2024
    const std::vector<CStenoStroke> strokes = {
        Stroke(kT0, L"ST-T", {{kKeyLeftS, 3, t}, {kKeyLeftT, 3, t + 30 * kTicksPerMs}}),
        Stroke(kT0, L"ST", {{kKeyLeftS, 3, t + 50 * kTicksPerMs}, {kKeyLeftT, 3, t}}),
        Stroke(kT0, L"ST", {{kKeyLeftS, 3, t}, {kKeyLeftT, 3, t + 512 * kTicksPerMs / 10}}),
        Stroke(kT0, L"S", {{kKeyLeftS, 3, t}, {kKeyRightT, 3, t + 900 * kTicksPerMs}}),
        Stroke(kT0, L"ST", {{kKeyLeftS, 3, t}, {kKeyLeftT, 3, t + 250 * kTicksPerMs}})};
    const SpreadStatistics spread = Compute(strokes).spread;
    EXPECT_EQ(spread.nStrokes, 4);
    decltype(spread.bins) bins{};
    bins[3] = 1;
    bins[5] = 2;
    bins[kSpreadBinCount - 1] = 1;
    EXPECT_EQ(spread.bins, bins);
    EXPECT_EQ(spread.stacked, (std::vector<StackedStroke>{{2, 51.2}, {4, 250}}));
}

TEST(StrokeStatisticsTest, ACancelledComputationGivesNothing)
{
    const std::vector<CStenoStroke> strokes(kCancelStride + 1, Stroke(kT0));
    StatisticsInput input;
    input.strokes = strokes;
    std::atomic<bool> bCancel = true;
    EXPECT_FALSE(ComputeStatistics(input, &bCancel));
    bCancel = false;
    EXPECT_EQ(ComputeStatistics(input, &bCancel)->speed.nStrokes,
              static_cast<std::int64_t>(kCancelStride) + 1);
}

} // namespace
