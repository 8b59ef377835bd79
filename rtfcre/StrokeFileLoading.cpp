#include "rtfcre/StrokeFileLoading.h"

#include "base/FileException.h"
#include "base/LocalTime.h"
#include "rtfcre/MappedLineReader.h"
#include "rtfcre/ProgressSteps.h"
#include "rtfcre/RTFCREReader.h"
#include "rtfcre/StrokeBatches.h"
#include "steno/StenoEncoder.h"

#include <algorithm>
#include <cstdint>
#include <sys/mman.h>

namespace {

// Records are reserved from the file size at the rate of the first strokes, so
// the array is not doubled. Reserved pages that stay unused cost no memory.
constexpr std::size_t kSampleStrokes = 512;
constexpr double kReserveMargin = 1.25;
constexpr std::size_t kLeastGrowthDivisor = 32;

// Filling a fresh array of a million records costs a page fault every 16
// records; large pages cut that to one every 8192. Only a hint: where the
// system has no such pages, nothing changes.
void AdviseLargePages(void* pStart, std::size_t nBytes)
{
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t kPageSize = 4096;
    const auto nFirst =
        (reinterpret_cast<std::uintptr_t>(pStart) + kPageSize - 1) & ~(kPageSize - 1);
    const auto nEnd = reinterpret_cast<std::uintptr_t>(pStart) + nBytes;
    if (nEnd > nFirst)
        ::madvise(reinterpret_cast<void*>(nFirst), nEnd - nFirst, MADV_HUGEPAGE);
#else
    (void)pStart;
    (void)nBytes;
#endif
}

class CStrokeArrayGrowth
{
public:
    CStrokeArrayGrowth(const CRTFCREReader& reader, std::vector<CStenoStroke>& strokes)
        : m_reader(reader), m_strokes(strokes), m_nFirst(strokes.size()),
          m_nStartPosition(reader.Position())
    {
    }

    /// Called before each record is appended on its own.
    void BeforeAppend()
    {
        const std::size_t nRead = m_strokes.size() - m_nFirst;
        if (nRead == kSampleStrokes ||
            (nRead > kSampleStrokes && m_strokes.size() == m_strokes.capacity()))
            ReserveForRest(nRead, 0);
    }

    /// Called when records read in a batch, nNeeded in all, find no room.
    void MakeRoom(std::size_t nNeeded)
    {
        ReserveForRest(nNeeded - m_nFirst, nNeeded - m_strokes.size());
    }

private:
    /// Reserves for the nWaiting records to be appended and the rest of the file.
    void ReserveForRest(std::size_t nRead, std::size_t nWaiting)
    {
        const std::uint64_t nUsed = m_reader.Position() - m_nStartPosition;
        const std::uint64_t nSize = m_reader.FileSize();
        if (nRead == 0 || nUsed == 0 || nSize == 0)
            return; // nothing to estimate from: the array grows as usual
        const std::uint64_t nLeft = nSize > m_reader.Position() ? nSize - m_reader.Position() : 0;
        const double nPerByte = static_cast<double>(nRead) / static_cast<double>(nUsed);
        const auto nRest =
            static_cast<std::size_t>(static_cast<double>(nLeft) * nPerByte * kReserveMargin);
        // An estimate that fell short grows the array by a little, not by half or all of it.
        const std::size_t nLeast = m_strokes.size() / kLeastGrowthDivisor + 1;
        m_strokes.reserve(m_strokes.size() + nWaiting + std::max(nRest, nLeast));
        AdviseLargePages(m_strokes.data(), m_strokes.capacity() * sizeof(CStenoStroke));
    }

    const CRTFCREReader& m_reader;
    std::vector<CStenoStroke>& m_strokes;
    std::size_t m_nFirst;
    std::uint64_t m_nStartPosition;
};

std::string AtLine(std::int64_t nLine)
{
    return " at line " + std::to_string(nLine);
}

void CheckReadError(const CRTFCREReader& reader)
{
    if (reader.ReadError() != 0)
        throw CFileException::FromErrno("cannot read" + AtLine(reader.LineNumber()),
                                        reader.ReadError());
}

void ReadHeader(CRTFCREReader& reader, StrokeFileHeader& header)
{
    if (!reader.IsOpen())
        throw CFileException::FromErrno("cannot open", reader.OpenError());
    const bool bComplete = reader.ReadHeader(header.strSystemName, header.strSystemText);
    header.nYear = reader.Year();
    header.nMonth = reader.Month();
    header.nDay = reader.Day();
    CheckReadError(reader);
    if (bComplete)
        return;
    throw CFileException(reader.HasSystemLine() ? "no creation line in the header"
                                                : "no system line in the header");
}

void ReadStrokesSequential(CRTFCREReader& reader, std::vector<CStenoStroke>& strokes)
{
    const CStenoEncoder encoder;
    CStrokeArrayGrowth growth(reader, strokes);
    std::wstring strSteno;
    std::wstring strRawSteno;
    CStenoStroke stroke;
    while (reader.ReadStroke(strSteno, strRawSteno, stroke.m_time, stroke.m_keyValues,
                             stroke.m_keyTimes)) {
        stroke.m_keys = encoder.StenoToKeys(strSteno);
        // The raw text mostly repeats the steno text: the same text gives the same keys.
        const bool bSameKeys = strRawSteno.empty() || strRawSteno == strSteno;
        stroke.m_rawKeys = bSameKeys ? stroke.m_keys : encoder.StenoToKeys(strRawSteno);
        growth.BeforeAppend();
        strokes.push_back(stroke);
    }
    CheckReadError(reader);
}

/// Reads stroke after stroke and hands them on in batches to be parsed; the
/// file keeps in memory what the batches not yet parsed still need.
void ReadStrokesInBatches(CRTFCREReader& reader, rtfcre::CMappedLineReader& file,
                          std::vector<CStenoStroke>& strokes, IFileProgress* pProgress)
{
    CStrokeArrayGrowth growth(reader, strokes);
    rtfcre::CStrokeBatches batches(strokes,
                                   [&growth](std::size_t nNeeded) { growth.MakeRoom(nNeeded); });
    CProgressSteps progress(pProgress, reader.FileSize());
    try {
        while (reader.ScanStroke(batches.Slot())) {
            if (!batches.Commit())
                continue;
            batches.HandOn();
            file.KeepFrom(batches.FirstPendingText());
            if (!progress.Update(reader.Position()))
                throw CLoadCancelled();
        }
    } catch (...) {
        // The strokes read before a failure are kept.
        batches.Finish();
        throw;
    }
    batches.Finish();
    CheckReadError(reader);
}

/// Runs read, giving the reader's own failures as CFileException with their line.
template <typename Read> void ReportFailures(const CRTFCREReader& reader, Read read)
{
    try {
        read();
    } catch (const CRTFCREReader::CRTFCREReaderException&) {
        throw CFileException("no time group for the stroke" + AtLine(reader.StrokeLineNumber()));
    } catch (const base::CStatusException& error) {
        throw CFileException(error.what() + AtLine(reader.LineNumber()));
    }
}

} // namespace

void LoadStrokeFile(const std::filesystem::path& path, StrokeFileHeader& header,
                    std::vector<CStenoStroke>& strokes, IFileProgress* pProgress)
{
    rtfcre::CMappedLineReader file;
    file.Open(path);
    CRTFCREReader reader(file);
    ReportFailures(reader, [&] {
        ReadHeader(reader, header);
        ReadStrokesInBatches(reader, file, strokes, pProgress);
    });
}

void LoadStrokeFileSequential(const std::filesystem::path& path, StrokeFileHeader& header,
                              std::vector<CStenoStroke>& strokes)
{
    CRTFCREReader reader(path);
    ReportFailures(reader, [&] {
        ReadHeader(reader, header);
        ReadStrokesSequential(reader, strokes);
    });
}
