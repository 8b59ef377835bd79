// Translating again after one edit in the editor: a document of 1,000,000
// strokes written from the dictionary's outlines (with stray strokes and *),
// its translation attached as the editor attaches it, and one-stroke edits,
// pastes and deletes made through the document as the list makes them. The
// translation's part of each change (translating again, then the column of a
// page of rows, what the list paints next) is timed against translating the
// whole document; the whole change against the same changes to a document
// without a translation.
// Usage: quillmark-bench-editor-translation [DICT] [STROKES]   (DICT: the engine's main.json)
#include "bench/BenchRounds.h"
#include "bench/TranslationStrokes.h"
#include "document/StrokeDocument.h"
#include "platform/core/Prompter.h"
#include "translation/DictionarySettings.h"
#include "translation/TranslationModel.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace translation;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kDefaultStrokes = 1'000'000;
constexpr int kEdits = 3000;
constexpr int kPageRows = 40;
constexpr int kRounds = 5;

/// Messages go to standard error; the benchmark asks nothing.
class CPrintingPrompter : public platform::Prompter
{
public:
    platform::Answer YesNo(const std::wstring&) override { return platform::Answer::Yes; }
    platform::Answer YesNoCancel(const std::wstring&) override { return platform::Answer::Yes; }
    platform::Answer RetryCancel(const std::wstring&) override { return platform::Answer::Cancel; }
    void Information(const std::wstring& strText) override
    {
        std::fprintf(stderr, "%ls\n", strText.c_str());
    }
};

double Since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

/// One change as the list makes it: an edit, a paste or a delete at a random stroke.
void Change(doc::CStrokeDocument& document, int nKind, std::mt19937_64& random)
{
    const auto nCount = static_cast<std::uint64_t>(document.Count());
    const int nAt = static_cast<int>(random() % nCount);
    const int nOther = static_cast<int>(random() % nCount);
    switch (nKind % 3) {
    case 0:
        return document.CommitEdit(nAt, document.Stroke(nOther).m_time,
                                   document.Stroke(nOther).m_keys);
    case 1:
        document.SetCurrentStroke(nOther, false);
        document.Copy();
        document.SetCurrentStroke(nAt, false);
        return document.Paste();
    default:
        return document.DeleteStroke(nAt);
    }
}

/// Told of each change before and after the translation, so the time between
/// is the translation's own.
class CStopwatch : public doc::IDocumentObserver
{
public:
    explicit CStopwatch(Clock::time_point& at) : m_at(at) {}
    void OnStrokesChanged(const doc::StrokesChange&) override { m_at = Clock::now(); }

private:
    Clock::time_point& m_at;
};

struct ChangeTimes
{
    std::vector<double> translation; ///< translating again, and a page of the column
    std::vector<double> change;      ///< the whole change, translation included
};

/// Times each change; with a model, the translation's part of it too.
ChangeTimes TimeChanges(doc::CStrokeDocument& document, const CTranslationModel* pModel,
                        const Clock::time_point& before, const Clock::time_point& after)
{
    std::mt19937_64 random(7);
    ChangeTimes times;
    for (int i = 0; i < kEdits; ++i) {
        const auto start = Clock::now();
        Change(document, i, random);
        if (pModel != nullptr) {
            const int nTop = std::max(document.Current(), 0);
            const auto column = Clock::now();
            if (pModel->Column(nTop, nTop + kPageRows).empty())
                std::exit(1);
            times.translation.push_back(std::chrono::duration<double>(after - before).count() +
                                        Since(column));
        }
        times.change.push_back(Since(start));
    }
    std::sort(times.translation.begin(), times.translation.end());
    std::sort(times.change.begin(), times.change.end());
    return times;
}

double At(const std::vector<double>& sorted, double nPart)
{
    return sorted[static_cast<std::size_t>(nPart * static_cast<double>(sorted.size() - 1))];
}

std::vector<CStenoStroke> Strokes(const std::filesystem::path& dictionary, std::size_t nStrokes)
{
    CDictionaryCollection dictionaries;
    dictionaries.Load({dictionary});
    if (dictionaries.Count() == 0)
        std::exit(1);
    std::vector<steno::KeyBits> keys;
    bench::COutlineStrokes(dictionaries.Dictionary(0).Entries(), 42).Append(nStrokes, keys);
    std::vector<CStenoStroke> strokes;
    strokes.reserve(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        strokes.push_back({.m_time = 1700000000 + static_cast<std::int64_t>(i / 3),
                           .m_keys = keys[i],
                           .m_rawKeys = keys[i]});
    return strokes;
}

} // namespace

int main(int argc, char** argv)
{
    std::filesystem::path dictionary = argc > 1 ? argv[1] : CDictionarySettings::kInstalledMain;
    if (argc <= 1 && !std::filesystem::exists(dictionary))
        dictionary = CDictionarySettings::CacheFolder() / "main.json";
    const std::size_t nStrokes = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : kDefaultStrokes;
    const std::vector<CStenoStroke> strokes = Strokes(dictionary, nStrokes);

    const std::filesystem::path settingsFile =
        std::filesystem::temp_directory_path() / "quillmark-bench-dictionaries.json";
    CDictionarySettings settings;
    settings.SetEntries({{dictionary, true}});
    settings.Save(settingsFile);
    CPrintingPrompter prompter;

    // Alternating rounds on fresh documents; the best round's median of each is compared.
    std::vector<double> translation;
    std::vector<double> changeWith;
    std::vector<double> changeWithout;
    std::vector<double> whole;
    std::vector<double> tails;
    Clock::time_point before;
    Clock::time_point after;
    for (int nRound = 0; nRound < kRounds; ++nRound) {
        doc::CStrokeDocument plain;
        plain.AssignStrokes(strokes);
        changeWithout.push_back(At(TimeChanges(plain, nullptr, before, after).change, 0.5));

        doc::CStrokeDocument document;
        CStopwatch start(before);
        CStopwatch end(after);
        document.AddObserver(start);
        CTranslationModel model(document, prompter, settingsFile);
        document.AddObserver(end);
        model.LoadDictionaries();
        document.AssignStrokes(strokes);
        CDocumentTranslation all(model.Dictionaries());
        const auto wholeStart = Clock::now();
        all.TranslateAll(CStrokeRecordKeys(document.Strokes()));
        whole.push_back(Since(wholeStart));
        const ChangeTimes times = TimeChanges(document, &model, before, after);
        translation.push_back(At(times.translation, 0.5));
        changeWith.push_back(At(times.change, 0.5));
        tails.push_back(At(times.translation, 0.99));
        document.RemoveObserver(start);
        document.RemoveObserver(end);
    }
    std::filesystem::remove(settingsFile);
    const double nTranslation = bench::Summarise(translation).nBest;
    const double nWith = bench::Summarise(changeWith).nBest;
    const double nWithout = bench::Summarise(changeWithout).nBest;
    const double nWhole = bench::Summarise(whole).nBest;
    std::printf("document:  %zu strokes translated whole in %.1f ms\n", strokes.size(),
                nWhole * 1e3);
    std::printf("change:    %d edits, pastes and deletes: translating again and a page of the "
                "column, median %.1f us -> %.6fx the whole translation (target < 1 ms)\n",
                kEdits, nTranslation * 1e6, nTranslation / nWhole);
    std::printf("           99th percentile %.1f us in the best round, %.1f us in the "
                "median round (the machine's other work included)\n",
                bench::Summarise(tails).nBest * 1e6, bench::Summarise(tails).nMedian * 1e6);
    std::printf("           the whole change, median: %.1f us with the translation, %.1f us "
                "without -> %.2fx\n",
                nWith * 1e6, nWithout * 1e6, nWith / nWithout);
    return 0;
}
