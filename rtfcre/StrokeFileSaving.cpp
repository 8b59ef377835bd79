#include "rtfcre/StrokeFileSaving.h"

#include "base/FileException.h"
#include "base/LocalDayClock.h"
#include "base/SafeFileReplacement.h"
#include "rtfcre/ProgressSteps.h"
#include "rtfcre/RTFCREWriter.h"
#include "rtfcre/SystemLine.h"
#include "steno/StenoEncoder.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace {

// Strokes are formatted a chunk at a time, on two threads, and each chunk is
// written with one write; a few chunks may be formatted ahead of the writing.
constexpr std::size_t kChunkStrokes = 2048;
constexpr std::size_t kRing = 4;
// The longest key text: every key and the hyphen.
constexpr std::size_t kLongestKeys = steno::kKeyCount + 1;
constexpr std::size_t kChunkRoom =
    kChunkStrokes * CRTFCREWriter::StrokeRoom(kLongestKeys, kLongestKeys);

/// Formats strokes as CRTFCREWriter writes them, into a chunk's bytes. Each
/// thread has its own, for the clock and the key texts it reuses.
class CStrokeFormatter
{
public:
    CStrokeFormatter()
    {
        m_strSteno.reserve(kLongestKeys);
        m_strRaw.reserve(kLongestKeys);
    }

    /// Puts the strokes at pOut, which has room for them; gives the end.
    char* Format(std::span<const CStenoStroke> strokes, char* pOut)
    {
        for (const CStenoStroke& stroke : strokes) {
            m_strSteno.clear();
            AppendStenoKeysText(stroke.m_keys, false, false, m_strSteno);
            // Raw keys mostly equal the keys: one text then serves both.
            const bool bSame = stroke.m_rawKeys == stroke.m_keys;
            m_strRaw.clear();
            if (!bSame)
                AppendStenoKeysText(stroke.m_rawKeys, false, false, m_strRaw);
            CRTFCREWriter::TimeOfDay time;
            m_clock.SplitTime(stroke.m_time, time.nHour, time.nMinute, time.nSecond);
            pOut = CRTFCREWriter::FormatStroke(pOut, m_strSteno, bSame ? m_strSteno : m_strRaw,
                                               time, stroke.m_keyValues, stroke.m_keyTimes);
        }
        return pOut;
    }

private:
    base::CLocalDayClock m_clock;
    std::wstring m_strSteno;
    std::wstring m_strRaw;
};

/// Formats the strokes chunk by chunk on the calling thread and a worker, and
/// writes the chunks in file order from the calling thread. Everything either
/// thread needs is allocated before the worker starts.
class CChunkedWriting
{
public:
    explicit CChunkedWriting(std::span<const CStenoStroke> strokes)
        : m_strokes(strokes), m_nChunks((strokes.size() + kChunkStrokes - 1) / kChunkStrokes)
    {
        for (Chunk& chunk : m_chunks)
            chunk.pBytes.reset(new char[kChunkRoom]);
    }

    /// Writes every chunk; false when a write failed, and then stops.
    bool WriteAll(CRTFCREWriter& writer, IFileProgress* pProgress)
    {
        if (m_nChunks > 1)
            StartWorker();
        bool bWritten = true;
        CProgressSteps progress(pProgress, m_nChunks);
        for (std::size_t nChunk = 0; nChunk < m_nChunks && bWritten; ++nChunk) {
            Chunk& chunk = m_chunks[nChunk % kRing];
            WaitUntilFormatted(chunk);
            bWritten = writer.WriteFormatted(std::string_view(
                chunk.pBytes.get(), static_cast<std::size_t>(chunk.pEnd - chunk.pBytes.get())));
            {
                const std::lock_guard<std::mutex> lock(m_mutex);
                chunk.state = EState::kFree;
            }
            m_changed.notify_all();
            progress.Update(nChunk + 1); // a save has no way back
        }
        StopWorker();
        return bWritten;
    }

    ~CChunkedWriting() { StopWorker(); }
    CChunkedWriting(const CChunkedWriting&) = delete;
    CChunkedWriting& operator=(const CChunkedWriting&) = delete;

private:
    enum class EState { kFree, kFormatting, kFormatted };

    struct Chunk
    {
        std::unique_ptr<char[]> pBytes;
        char* pEnd = nullptr;
        EState state = EState::kFree;
    };

    void StartWorker()
    {
        try {
            m_worker = std::thread([this] { RunWorker(); });
        } catch (const std::system_error&) {
            // Without a second thread the calling thread formats every chunk.
        }
    }

    void StopWorker()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_bStop = true;
        }
        m_changed.notify_all();
        if (m_worker.joinable())
            m_worker.join();
    }

    void RunWorker()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_bStop && m_nNextToFormat < m_nChunks) {
            if (!FormatNext(lock, m_formatters[1]))
                m_changed.wait(lock);
        }
    }

    /// Formats chunks here while the one to be written next is not ready.
    void WaitUntilFormatted(const Chunk& chunk)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (chunk.state != EState::kFormatted) {
            if (!FormatNext(lock, m_formatters[0]))
                m_changed.wait(lock);
        }
    }

    /// Formats the next chunk when its slot of the ring is free; false when not.
    bool FormatNext(std::unique_lock<std::mutex>& lock, CStrokeFormatter& formatter)
    {
        if (m_nNextToFormat == m_nChunks)
            return false;
        Chunk& chunk = m_chunks[m_nNextToFormat % kRing];
        if (chunk.state != EState::kFree)
            return false;
        chunk.state = EState::kFormatting;
        const std::size_t nFirst = m_nNextToFormat++ * kChunkStrokes;
        lock.unlock();
        chunk.pEnd = formatter.Format(
            m_strokes.subspan(nFirst, std::min(kChunkStrokes, m_strokes.size() - nFirst)),
            chunk.pBytes.get());
        lock.lock();
        chunk.state = EState::kFormatted;
        m_changed.notify_all();
        return true;
    }

    std::span<const CStenoStroke> m_strokes;
    std::size_t m_nChunks;
    std::size_t m_nNextToFormat = 0;
    std::array<Chunk, kRing> m_chunks;
    std::array<CStrokeFormatter, 2> m_formatters; ///< the calling thread's and the worker's
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_bStop = false;
    std::thread m_worker;
};

} // namespace

void SaveStrokeFile(const std::filesystem::path& path, std::span<const CStenoStroke> strokes,
                    std::time_t creationTime, IFileProgress* pProgress)
{
    base::CSafeFileReplacement replacement(path.native());
    {
        CRTFCREWriter writer;
        const int fdWriter = dup(replacement.TempFile());
        if (fdWriter < 0)
            throw CFileException::FromErrno("cannot write " + replacement.TempPath(), errno);
        writer.Attach(fdWriter, replacement.TempPath());
        writer.WriteHeader(rtfcre::kSystemName, rtfcre::kSystemText, creationTime);
        // A failed write fails the whole save; Finish reports it.
        CChunkedWriting(strokes).WriteAll(writer, pProgress);
        writer.Finish();
    }
    replacement.Commit();
}
