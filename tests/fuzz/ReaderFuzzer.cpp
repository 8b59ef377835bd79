// libFuzzer target for the stroke file reader: any bytes must load without a
// crash, a leak or undefined behaviour, the mapped two-thread load must give
// what the block-by-block load gives, and whatever loads must survive a save
// and a second load unchanged. Built and run by run-fuzz.sh.
#include "base/FileException.h"
#include "rtfcre/RTFCREWriter.h"
#include "rtfcre/StrokeFileLoading.h"
#include "steno/StenoEncoder.h"

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

/// An in-memory file, reachable by path through /proc.
class CMemoryFile
{
public:
    explicit CMemoryFile(const char* name) : m_nFile(::memfd_create(name, 0)) {}
    CMemoryFile(const CMemoryFile&) = delete;
    CMemoryFile& operator=(const CMemoryFile&) = delete;
    ~CMemoryFile() { ::close(m_nFile); }

    void Fill(const std::uint8_t* data, std::size_t size) const
    {
        if (::ftruncate(m_nFile, 0) != 0 ||
            ::pwrite(m_nFile, data, size, 0) != static_cast<ssize_t>(size))
            std::abort();
    }
    std::string Path() const { return "/proc/self/fd/" + std::to_string(m_nFile); }

private:
    int m_nFile;
};

using LoadFunction = void (*)(const std::filesystem::path&, StrokeFileHeader&,
                              std::vector<CStenoStroke>&);

void LoadMapped(const std::filesystem::path& path, StrokeFileHeader& header,
                std::vector<CStenoStroke>& strokes)
{
    LoadStrokeFile(path, header, strokes);
}

/// The strokes a load gives; failure holds its reason, empty when it loaded.
std::vector<CStenoStroke> Load(const std::string& path, StrokeFileHeader& header,
                               std::string& failure, LoadFunction load = LoadMapped)
{
    std::vector<CStenoStroke> strokes;
    try {
        load(path, header, strokes);
    } catch (const CFileException& error) {
        // A failed load keeps the strokes read before the failure.
        failure = error.what();
    }
    return strokes;
}

bool SameHeader(const StrokeFileHeader& a, const StrokeFileHeader& b)
{
    return a.strSystemName == b.strSystemName && a.strSystemText == b.strSystemText &&
           a.nYear == b.nYear && a.nMonth == b.nMonth && a.nDay == b.nDay;
}

void Save(const std::string& path, const std::vector<CStenoStroke>& strokes)
{
    const CStenoEncoder encoder;
    CRTFCREWriter writer;
    writer.Open(path);
    writer.WriteHeader(L"Corvane writer", L"Ardentide Inc", strokes.front().m_time);
    for (const CStenoStroke& s : strokes)
        writer.WriteStroke(encoder.KeysToSteno(s.m_keys), encoder.KeysToSteno(s.m_rawKeys),
                           s.m_time, s.m_keyValues, s.m_keyTimes);
    writer.Finish();
}

/// A stroke as a save and a load give it back: an empty raw stroke reads as the keys.
CStenoStroke AsReloaded(CStenoStroke stroke)
{
    if (stroke.m_rawKeys == 0)
        stroke.m_rawKeys = stroke.m_keys;
    return stroke;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ::setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
    ::tzset();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const CMemoryFile input("input");
    static const CMemoryFile saved("saved");
    input.Fill(data, size);
    StrokeFileHeader header;
    std::string failure;
    const std::vector<CStenoStroke> strokes = Load(input.Path(), header, failure);
    StrokeFileHeader headerBefore;
    std::string failureBefore;
    const std::vector<CStenoStroke> before =
        Load(input.Path(), headerBefore, failureBefore, LoadStrokeFileSequential);
    if (strokes != before || failure != failureBefore || !SameHeader(header, headerBefore))
        std::abort();
    if (strokes.empty())
        return 0;
    // Every stroke of one file has the file's date, so the saved file's date
    // (the first stroke's) gives every stroke its time back.
    Save(saved.Path(), strokes);
    StrokeFileHeader again;
    std::string againFailure;
    const std::vector<CStenoStroke> reloaded = Load(saved.Path(), again, againFailure);
    if (reloaded.size() != strokes.size())
        std::abort();
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        if (!(reloaded[i] == AsReloaded(strokes[i])))
            std::abort();
    }
    return 0;
}
