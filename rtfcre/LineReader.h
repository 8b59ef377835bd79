#pragma once
// Reads a file line by line as a text-mode stream would deliver it (see
// ILineSource). The file is read in large blocks and lines are handed out as
// views into the block, so reading a line neither copies nor allocates; the
// next read may move the block, so a line is readable until then only.

#include "rtfcre/LineSource.h"

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace rtfcre {

class CLineReader : public ILineSource
{
public:
    CLineReader() = default;
    CLineReader(const CLineReader&) = delete;
    CLineReader& operator=(const CLineReader&) = delete;
    ~CLineReader() override;

    /// Opens the file; on failure the stream stays not good and OpenError() tells why.
    bool Open(const std::filesystem::path& path);
    void Close();
    void Rewind() override;
    bool ReadLine(std::string_view& line) override;
    bool KeepsLines() const override { return false; }
    void Forget(std::string_view) override {}

    bool Good() const override { return m_bGood; }
    bool IsOpen() const override { return m_nFd >= 0; }
    int OpenError() const override { return m_nOpenError; }
    int ReadError() const override { return m_nReadError; }
    std::int64_t LineNumber() const override { return m_nLine; }
    std::uint64_t Position() const override { return m_nBufferOffset + m_nBegin; }
    std::uint64_t FileSize() const override { return m_nFileSize; }

private:
    void Fill();
    void DeliverLast(std::string_view& line);

    int m_nFd = -1;
    int m_nOpenError = 0;
    int m_nReadError = 0;
    bool m_bGood = false;
    bool m_bDataEnded = false; ///< no more bytes will come from the file
    std::vector<char> m_buffer;
    std::size_t m_nBegin = 0;          ///< start of the next line in m_buffer
    std::size_t m_nEnd = 0;            ///< end of the bytes read into m_buffer
    std::size_t m_nScanned = 0;        ///< bytes from m_nBegin known to hold no LF
    std::uint64_t m_nBufferOffset = 0; ///< file offset of m_buffer[0]
    std::uint64_t m_nFileSize = 0;
    std::int64_t m_nLine = 0;
};

} // namespace rtfcre
