// The statistics of a stroke file against loading it, measured side by side
// in one run:
//   quillmark-bench-stats FILE [ROUNDS]
// A round loads the file as quillmark-cli does, then computes its statistics
// and writes them as text (to /dev/null) and as JSON (to memory), which is
// what `quillmark-cli stats` does after loading. The best of ROUNDS (default 5)
// of each are compared; the target is statistics in under half the load.
#include "base/BufferedWriter.h"
#include "base/FileException.h"
#include "bench/BenchRounds.h"
#include "rtfcre/StrokeFileLoading.h"
#include "statistics/StatisticsJson.h"
#include "statistics/StatisticsText.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

using statistics::StrokeStatistics;

std::vector<CStenoStroke> Load(const char* pszFile)
{
    StrokeFileHeader header;
    std::vector<CStenoStroke> strokes;
    LoadStrokeFile(pszFile, header, strokes);
    return strokes;
}

StrokeStatistics Compute(const std::vector<CStenoStroke>& strokes)
{
    statistics::StatisticsInput input;
    input.strokes = strokes;
    return *statistics::ComputeStatistics(input);
}

void WriteText(const std::vector<CStenoStroke>& strokes, int nNull)
{
    base::CBufferedWriter out(nNull);
    statistics::WriteStatisticsText(out, Compute(strokes));
    out.Flush();
}

std::size_t WriteJson(const std::vector<CStenoStroke>& strokes)
{
    return statistics::StatisticsJson(Compute(strokes)).size();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fputs("Usage: quillmark-bench-stats FILE [ROUNDS]\n", stderr);
        return 2;
    }
    const int nRounds = argc == 3 ? std::max(1, std::atoi(argv[2])) : 5;
    const int nNull = ::open("/dev/null", O_WRONLY);
    std::vector<double> load, text, json;
    std::vector<CStenoStroke> strokes;
    std::size_t nJsonBytes = 0;
    try {
        for (int i = 0; i < nRounds; ++i) {
            load.push_back(bench::SecondsPer(1, [&] { strokes = Load(argv[1]); }));
            text.push_back(bench::SecondsPer(1, [&] { WriteText(strokes, nNull); }));
            json.push_back(bench::SecondsPer(1, [&] { nJsonBytes = WriteJson(strokes); }));
        }
    } catch (const CFileException& error) {
        std::fprintf(stderr, "Failed to load file '%s': %s\n", argv[1], error.what());
        return 1;
    }
    const double best = bench::Summarise(load).nBest;
    std::printf("stats of %zu strokes, best of %d rounds: load %.3fs\n", strokes.size(), nRounds,
                best);
    std::printf("  text: %.3fs -> %.2fx of load (target < 0.5x)\n", bench::Summarise(text).nBest,
                bench::Summarise(text).nBest / best);
    std::printf("  json: %.3fs (%zu bytes) -> %.2fx of load (target < 0.5x)\n",
                bench::Summarise(json).nBest, nJsonBytes, bench::Summarise(json).nBest / best);
    return 0;
}
