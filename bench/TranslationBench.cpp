// Speed and memory of translation, each against a baseline measured in the same
// run on the same data:
//   loading main.json                 vs  python3 json.load of the same file (the
//                                         whole command, and json.load alone)
//   heap the loaded dictionary holds  vs  the file's size
//   translating 1,000,000 strokes     vs  one std::unordered_map look-up a stroke
//   translating again after one edit  vs  translating the whole document
// Usage: quillmark-bench-translation [DICT] [STROKES]   (DICT: the engine's main.json)
#include "bench/BenchRounds.h"
#include "bench/TranslationStrokes.h"
#include "translation/DictionaryCollection.h"
#include "translation/DictionarySettings.h"
#include "translation/DocumentTranslation.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unordered_map>

extern char** environ;

namespace {

using namespace translation;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kDefaultStrokes = 1'000'000;
constexpr int kRounds = 11;
constexpr int kEdits = 2000;

double Since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

template <typename Run> double Best(int nRounds, Run run)
{
    std::vector<double> times;
    for (int i = 0; i < nRounds; ++i) {
        const auto start = Clock::now();
        run();
        times.push_back(Since(start));
    }
    return bench::Summarise(times).nBest;
}

/// Wall time of a command, or a negative number when it fails.
double RunCommand(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int nStatus = 0;
    waitpid(pid, &nStatus, 0);
    return WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 0 ? Since(start) : -1;
}

/// The seconds python's json.load takes inside the interpreter, as it reports them.
double PythonLoadOnly(const std::string& strPath)
{
    const std::string strCommand =
        "python3 -c 'import json,sys,time; t=time.perf_counter(); json.load(open(sys.argv[1])); "
        "print(time.perf_counter()-t)' '" +
        strPath + "'";
    FILE* pPipe = ::popen(strCommand.c_str(), "r");
    double nSeconds = -1;
    if (pPipe && std::fscanf(pPipe, "%lf", &nSeconds) != 1)
        nSeconds = -1;
    if (pPipe)
        ::pclose(pPipe);
    return nSeconds;
}

void MeasureLoading(const std::string& strPath)
{
    const std::size_t nFile = std::filesystem::file_size(strPath);
    const std::size_t nHeapBefore = mallinfo2().uordblks;
    std::unique_ptr<CDictionaryCollection> dictionaries;
    std::vector<std::string> messages;
    const double nLoad = Best(kRounds, [&] {
        dictionaries.reset();
        dictionaries = std::make_unique<CDictionaryCollection>();
        messages = dictionaries->Load({strPath});
    });
    const std::size_t nHeld = mallinfo2().uordblks - nHeapBefore;
    for (const std::string& strMessage : messages)
        std::fprintf(stderr, "%s\n", strMessage.c_str());
    if (dictionaries->Count() == 0)
        std::exit(1);
    const double nPython = Best(kRounds, [&] {
        RunCommand({"python3", "-c", "import json,sys; json.load(open(sys.argv[1]))", strPath});
    });
    std::vector<double> pythonLoads;
    for (int i = 0; i < kRounds; ++i)
        pythonLoads.push_back(PythonLoadOnly(strPath));
    const double nPythonLoad = bench::Summarise(pythonLoads).nBest;
    std::printf("load:      %zu entries from %zu bytes, read, hashed and filtered in %.1f ms; "
                "python3 -c json.load %.1f ms (json.load alone %.1f ms) -> %.2fx and %.2fx of "
                "python's time\n",
                dictionaries->Dictionary(0).Entries().Count(), nFile, nLoad * 1e3, nPython * 1e3,
                nPythonLoad * 1e3, nLoad / nPython, nLoad / nPythonLoad);
    std::printf("memory:    dictionary %zu bytes, with the filter %zu (heap held after loading "
                "%zu) -> %.2fx the file (target <= 1.5x)\n",
                dictionaries->Dictionary(0).Entries().MemoryBytes(), dictionaries->MemoryBytes(),
                nHeld, static_cast<double>(nHeld) / static_cast<double>(nFile));
}

/// Every stroke looked up once, as a one-stroke outline, in a standard hash
/// map of all the dictionary's outlines: the baseline of translating.
class CMapLookups
{
public:
    explicit CMapLookups(const CStenoDictionary& entries)
    {
        entries.ForEach([&](CStenoDictionary::EntryId nEntry) {
            std::vector<steno::KeyBits> outline;
            entries.AppendOutline(nEntry, outline);
            m_map.emplace(std::u32string(outline.begin(), outline.end()), entries.Text(nEntry));
        });
    }

    std::size_t Run(const std::vector<steno::KeyBits>& keys) const
    {
        std::size_t nFound = 0;
        for (steno::KeyBits stroke : keys)
            nFound += m_map.count(std::u32string(1, static_cast<char32_t>(stroke)));
        return nFound;
    }

private:
    std::unordered_map<std::u32string, std::string_view> m_map;
};

/// Inserts, deletes or changes a stroke somewhere in keys; the change made.
StrokeChange EditOne(std::vector<steno::KeyBits>& keys, int nKind, std::mt19937_64& random)
{
    const auto nAt = static_cast<std::uint32_t>(random() % keys.size());
    const steno::KeyBits other = keys[random() % keys.size()];
    switch (nKind % 3) {
    case 0:
        keys.insert(keys.begin() + nAt, other);
        return {nAt, nAt, nAt + 1};
    case 1:
        keys.erase(keys.begin() + nAt);
        return {nAt, nAt + 1, nAt};
    default:
        keys[nAt] = other;
        return {nAt, nAt + 1, nAt + 1};
    }
}

void MeasureEdits(CDocumentTranslation& translation, std::vector<steno::KeyBits>& keys,
                  double nWhole)
{
    std::mt19937_64 random(9);
    std::vector<double> times;
    std::vector<double> lengths;
    for (int i = 0; i < kEdits; ++i) {
        const StrokeChange change = EditOne(keys, i, random);
        const auto start = Clock::now();
        translation.Retranslate(CKeyList(keys), change);
        times.push_back(Since(start));
        lengths.push_back(static_cast<double>(translation.LastRunLength()));
    }
    std::sort(times.begin(), times.end());
    std::sort(lengths.begin(), lengths.end());
    const auto at = [](const std::vector<double>& values, double nPart) {
        return values[static_cast<std::size_t>(nPart * static_cast<double>(values.size() - 1))];
    };
    std::printf("edit:      %d one-stroke edits: median %.1f us, 99th percentile %.1f us, most "
                "%.1f us (target < 1 ms; the most includes the machine's other work); median "
                "%.6fx the whole translation\n",
                kEdits, at(times, 0.5) * 1e6, at(times, 0.99) * 1e6, times.back() * 1e6,
                at(times, 0.5) / nWhole);
    std::printf("           strokes translated again per edit: median %.0f, 99th percentile %.0f, "
                "most %.0f\n",
                at(lengths, 0.5), at(lengths, 0.99), lengths.back());
}

void MeasureTranslating(const std::string& strPath, std::size_t nStrokes)
{
    CDictionaryCollection dictionaries;
    for (const std::string& strMessage : dictionaries.Load({strPath}))
        std::fprintf(stderr, "%s\n", strMessage.c_str());
    if (dictionaries.Count() == 0)
        std::exit(1);
    const CStenoDictionary& entries = dictionaries.Dictionary(0).Entries();
    std::vector<steno::KeyBits> keys;
    bench::COutlineStrokes(entries, 42).Append(nStrokes, keys);
    const CMapLookups map(entries);
    const CKeyList strokes(keys);
    CDocumentTranslation translation(dictionaries);
    // Alternating rounds, the best of each: both see the same state of the machine.
    std::vector<double> mapTimes;
    std::vector<double> translateTimes;
    std::size_t nFound = 0;
    for (int i = 0; i < kRounds; ++i) {
        auto start = Clock::now();
        nFound += map.Run(keys);
        mapTimes.push_back(Since(start));
        start = Clock::now();
        translation.TranslateAll(strokes);
        translateTimes.push_back(Since(start));
    }
    const double nMap = bench::Summarise(mapTimes).nBest;
    const double nTranslate = bench::Summarise(translateTimes).nBest;
    std::printf("translate: %zu strokes to %zu translations in %.1f ms; %zu map look-ups in %.1f "
                "ms (%zu found) -> %.2fx the map look-ups (target <= 3x); holds %zu bytes\n",
                keys.size(), translation.Translations().Count(), nTranslate * 1e3, keys.size(),
                nMap * 1e3, nFound / kRounds, nTranslate / nMap, translation.MemoryBytes());
    MeasureEdits(translation, keys, nTranslate);
}

} // namespace

int main(int argc, char** argv)
{
    std::string strPath = argc > 1 ? argv[1] : CDictionarySettings::kInstalledMain;
    if (argc <= 1 && !std::filesystem::exists(strPath))
        strPath = (CDictionarySettings::CacheFolder() / "main.json").string();
    const std::size_t nStrokes = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : kDefaultStrokes;
    MeasureLoading(strPath);
    MeasureTranslating(strPath, nStrokes);
    return 0;
}
