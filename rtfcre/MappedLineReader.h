#pragma once
// Reads a file line by line (see ILineSource) from the file mapped whole, so a
// line is a view into the file and stays readable while the reader is open.
// Pages the lines have passed are dropped from memory as reading goes on,
// unless the owner asked to keep them; a line of many megabytes
// drops its own pages while it is searched for its end. Either way a pass
// over the file keeps only a window of it resident. Lines have the file's
// margins around them (see CMappedFile).

#include "base/MappedFile.h"
#include "rtfcre/LineSource.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string_view>

namespace rtfcre {

class CMappedLineReader : public ILineSource
{
public:
    /// Opens the file; on failure the stream stays not good and OpenError() tells why.
    bool Open(const std::filesystem::path& path);

    /// Keeps the bytes from p on in memory, however far reading runs ahead,
    /// until the next call; nullptr keeps them from the line delivered last.
    void KeepFrom(const char* p);

    void Rewind() override;
    bool ReadLine(std::string_view& line) override;
    bool KeepsLines() const override { return true; }
    void Forget(std::string_view bytes) override;

    bool Good() const override { return m_bGood; }
    bool IsOpen() const override { return m_file.IsOpen(); }
    int OpenError() const override { return m_file.OpenError(); }
    int ReadError() const override;
    std::int64_t LineNumber() const override { return m_nLine; }
    std::uint64_t Position() const override { return m_nBegin; }
    std::uint64_t FileSize() const override { return m_file.Size(); }

private:
    static constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

    void DeliverLine(std::string_view& line, const char* pStart, const char* pFeed);
    void DeliverLast(std::string_view& line, const char* pStart, const char* pEnd);
    void DropBehind();

    base::CMappedFile m_file;
    bool m_bGood = false;
    bool m_bDataRead = false;     ///< the lines reached the end of the file's bytes
    std::size_t m_nBegin = 0;     ///< start of the next line
    std::size_t m_nLineStart = 0; ///< start of the line delivered last
    std::size_t m_nDropped = 0;   ///< bytes before this may have left memory
    std::size_t m_nKeep = kNone;  ///< bytes from here on stay in memory
    std::int64_t m_nLine = 0;
};

} // namespace rtfcre
