// Speed of the document's search and editing on a million strokes, each against
// the plainest code doing the same work, measured side by side in one run:
//   find over the whole document  vs  a loop comparing the keys of every record
//   Replace All                   vs  the same loop putting the new keys in place
//   paste and delete at the front vs  one memmove of the record array
//   Replace All then Undo         vs  Replace All alone
// and the memory the history keeps for a Replace All.
// Usage: quillmark-document-bench [STROKES]
#include "document/StrokeDocument.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <malloc.h>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using doc::CStrokeDocument;

constexpr int kDefaultStrokes = 1'000'000;
constexpr int kRounds = 15;
constexpr steno::KeyBits kCommonKeys = 0x000100;
constexpr steno::KeyBits kRareKeys = 0x0A0003;   // every 100th stroke
constexpr steno::KeyBits kAbsentKeys = 0x800000; // no stroke: find scans everything
constexpr steno::KeyBits kPutKeys = 0x400000;

// Keeps the compiler from dropping a result nobody reads.
template <typename T> void Keep(const T& value)
{
    asm volatile("" : : "r,m"(value) : "memory");
}

double Seconds(Clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

/// Timings of one piece of work; prepare runs untimed before each round.
class CWork
{
public:
    explicit CWork(
        std::function<void()> body, std::function<void()> prepare = [] {})
        : m_body(std::move(body)), m_prepare(std::move(prepare))
    {
    }

    void Round()
    {
        m_prepare();
        const auto start = Clock::now();
        m_body();
        m_times.push_back(Seconds(Clock::now() - start));
    }
    double Fastest() const { return *std::min_element(m_times.begin(), m_times.end()); }
    double Median() const
    {
        std::vector<double> sorted = m_times;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }

private:
    std::function<void()> m_body;
    std::function<void()> m_prepare;
    std::vector<double> m_times;
};

// The machine may be busy with other work: the rounds of the operation and of
// its baseline alternate, so both meet the same conditions.
void Compare(const char* strWhat, CWork operation, CWork baseline)
{
    for (int i = 0; i < kRounds; ++i) {
        operation.Round();
        baseline.Round();
    }
    std::printf(
        "%-34s fastest %8.3f / %8.3f ms  ratio %5.2f   median %8.3f / %8.3f ms  ratio %5.2f\n",
        strWhat, operation.Fastest() * 1e3, baseline.Fastest() * 1e3,
        operation.Fastest() / baseline.Fastest(), operation.Median() * 1e3, baseline.Median() * 1e3,
        operation.Median() / baseline.Median());
}

std::vector<CStenoStroke> MakeStrokes(int nCount)
{
    std::vector<CStenoStroke> strokes;
    // As loading does: room for a little more than the file holds.
    strokes.reserve(static_cast<std::size_t>(nCount) + static_cast<std::size_t>(nCount) / 32 + 1);
    for (int i = 0; i < nCount; ++i) {
        CStenoStroke stroke;
        stroke.m_keys = i % 100 == 0 ? kRareKeys : kCommonKeys;
        stroke.m_rawKeys = stroke.m_keys;
        stroke.m_time = 1709629200 + i;
        strokes.push_back(stroke);
    }
    return strokes;
}

void BenchFind(const CStrokeDocument& document, const std::vector<CStenoStroke>& plain)
{
    CWork find{[&] { Keep(document.FindStrokeByKeys(0, kAbsentKeys)); }};
    CWork loop{[&] {
        int nFound = -1;
        for (std::size_t i = 0; i < plain.size(); ++i) {
            if (plain[i].m_keys == kAbsentKeys) {
                nFound = static_cast<int>(i);
                break;
            }
        }
        Keep(nFound);
    }};
    Compare("FindStrokeByKeys, whole document", find, loop);
}

void BenchReplaceAll(CStrokeDocument& document, std::vector<CStenoStroke>& plain)
{
    // Each round swaps the keys back, so every round replaces the same strokes.
    bool bDocumentForth = true;
    CWork replace{[&] {
        const steno::KeyBits find = bDocumentForth ? kRareKeys : kPutKeys;
        const steno::KeyBits put = bDocumentForth ? kPutKeys : kRareKeys;
        bDocumentForth = !bDocumentForth;
        Keep(document.ReplaceKeys(-1, find, put, true));
    }};
    bool bPlainForth = true;
    CWork loop{[&] {
        const steno::KeyBits from = bPlainForth ? kRareKeys : kPutKeys;
        const steno::KeyBits to = bPlainForth ? kPutKeys : kRareKeys;
        bPlainForth = !bPlainForth;
        int nReplaced = 0;
        for (CStenoStroke& stroke : plain) {
            if (stroke.m_keys == from) {
                stroke.m_keys = to;
                ++nReplaced;
            }
        }
        Keep(nReplaced);
    }};
    Compare("ReplaceKeys, Replace All (1 %)", replace, loop);
}

void BenchFrontEdits(CStrokeDocument& document, std::vector<CStenoStroke>& plain)
{
    document.SetCurrentStroke(5, false);
    document.Copy();
    const auto front = [&] { document.SetCurrentStroke(0, false); };
    // The plain array has room for one more record at its end.
    plain.emplace_back();
    const std::size_t nBytes = (plain.size() - 1) * sizeof(CStenoStroke);
    const auto move = [&] {
        std::memmove(plain.data() + 1, plain.data(), nBytes);
        Keep(plain.front());
    };
    Compare("Paste at the front", CWork{[&] { document.Paste(); }, front}, CWork{move});
    Compare("DeleteStroke at the front",
            CWork{[&] { document.DeleteStroke(0); }, front},
            CWork{move});
}

// Replace All of nearly every stroke, the largest step the history keeps, and
// its Undo, timed in one round each; every round's Replace All drops the step
// the round before took back, as a change after an undo does. The document
// starts afresh, without the steps of the benchmarks before.
void BenchReplaceAllUndo(CStrokeDocument& document, int nCount)
{
    document.AssignStrokes(MakeStrokes(nCount));
    std::vector<double> replaceTimes;
    std::vector<double> bothTimes;
    for (int i = 0; i < kRounds; ++i) {
        const auto start = Clock::now();
        Keep(document.ReplaceKeys(-1, kCommonKeys, kPutKeys, true));
        const auto replaced = Clock::now();
        document.Undo();
        const auto undone = Clock::now();
        replaceTimes.push_back(Seconds(replaced - start));
        bothTimes.push_back(Seconds(undone - start));
    }
    std::sort(replaceTimes.begin(), replaceTimes.end());
    std::sort(bothTimes.begin(), bothTimes.end());
    const double median = bothTimes[kRounds / 2] / replaceTimes[kRounds / 2];
    std::printf("%-34s fastest %8.3f / %8.3f ms  ratio %5.2f   median ratio %5.2f\n",
                "Replace All (99 %) + Undo / alone", bothTimes.front() * 1e3,
                replaceTimes.front() * 1e3, bothTimes.front() / replaceTimes.front(), median);
}

// The heap the history takes for one Replace All on a document without history.
void ReportHistoryMemory(int nCount)
{
    CStrokeDocument document;
    document.AssignStrokes(MakeStrokes(nCount));
    const std::size_t nBefore = mallinfo2().uordblks;
    document.ReplaceKeys(-1, kCommonKeys, kPutKeys, true);
    const std::size_t nAfter = mallinfo2().uordblks;
    const int nChanged = nCount - (nCount + 99) / 100;
    std::printf("history of a Replace All of %d strokes: %zu bytes, %.2f per stroke "
                "(the document: %zu bytes)\n",
                nChanged, nAfter - nBefore, static_cast<double>(nAfter - nBefore) / nChanged,
                static_cast<std::size_t>(nCount) * sizeof(CStenoStroke));
}

} // namespace

int main(int argc, char** argv)
{
    const int nCount = argc > 1 ? std::atoi(argv[1]) : kDefaultStrokes;
    if (nCount < 10) {
        std::fputs("Usage: quillmark-document-bench [STROKES (at least 10)]\n", stderr);
        return 2;
    }
    CStrokeDocument document;
    document.AssignStrokes(MakeStrokes(nCount));
    std::vector<CStenoStroke> plain = MakeStrokes(nCount);
    std::printf("%d strokes of %zu bytes, %d rounds each; times as operation / baseline\n", nCount,
                sizeof(CStenoStroke), kRounds);
    BenchFind(document, plain);
    BenchReplaceAll(document, plain);
    BenchFrontEdits(document, plain);
    BenchReplaceAllUndo(document, nCount);
    ReportHistoryMemory(nCount);
    return 0;
}
