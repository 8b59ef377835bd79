// Loads a stroke file with the two readers, the mapped two-thread one that
// the program uses and the block-by-block one it used before, checks that
// both give the same header, strokes and failure, and times them:
//   quillmark-bench-load FILE [RUNS]
// Both are timed RUNS times (default 5), alternating, the file in the page
// cache; the median and best of each and their ratios are printed. Exits 1
// when the two readers disagree.
#include "base/FileException.h"
#include "bench/BenchRounds.h"
#include "rtfcre/StrokeFileLoading.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Load = void (*)(const std::filesystem::path&, StrokeFileHeader&, std::vector<CStenoStroke>&);

struct Loaded
{
    StrokeFileHeader header;
    std::vector<CStenoStroke> strokes;
    std::string strFailure;
    double nSeconds = 0;
};

Loaded Run(Load load, const char* pszPath)
{
    Loaded loaded;
    const auto start = std::chrono::steady_clock::now();
    try {
        load(pszPath, loaded.header, loaded.strokes);
    } catch (const CFileException& error) {
        loaded.strFailure = error.what();
    }
    loaded.nSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return loaded;
}

bool Same(const Loaded& a, const Loaded& b)
{
    return a.header.strSystemName == b.header.strSystemName &&
           a.header.strSystemText == b.header.strSystemText && a.header.nYear == b.header.nYear &&
           a.header.nMonth == b.header.nMonth && a.header.nDay == b.header.nDay &&
           a.strokes == b.strokes && a.strFailure == b.strFailure;
}

void LoadNew(const std::filesystem::path& path, StrokeFileHeader& header,
             std::vector<CStenoStroke>& strokes)
{
    LoadStrokeFile(path, header, strokes);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fputs("Usage: quillmark-bench-load FILE [RUNS]\n", stderr);
        return 2;
    }
    const int nRuns = argc == 3 ? std::max(1, std::atoi(argv[2])) : 5;
    std::vector<double> sequential;
    std::vector<double> mapped;
    std::size_t nStrokes = 0;
    for (int i = 0; i < nRuns; ++i) {
        const Loaded before = Run(LoadStrokeFileSequential, argv[1]);
        const Loaded now = Run(LoadNew, argv[1]);
        if (!Same(before, now)) {
            std::fprintf(stderr, "quillmark-bench-load: the readers disagree on '%s'\n", argv[1]);
            return 1;
        }
        nStrokes = now.strokes.size();
        sequential.push_back(before.nSeconds);
        mapped.push_back(now.nSeconds);
    }
    const bench::Summary old = bench::Summarise(sequential);
    const bench::Summary fast = bench::Summarise(mapped);
    std::printf("load %zu strokes, the same from both readers: mapped %.3fs median (%.3fs best), "
                "block by block %.3fs median (%.3fs best) -> %.2fx median, %.2fx best\n",
                nStrokes, fast.nMedian, fast.nBest, old.nMedian, old.nBest,
                fast.nMedian / old.nMedian, fast.nBest / old.nBest);
    return 0;
}
