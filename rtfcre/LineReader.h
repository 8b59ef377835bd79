#pragma once
// Reads a file line by line as a text-mode stream would deliver it: a CR
// directly before a LF is not part of the line, a byte 0x1A ends the file, an
// unterminated last line is delivered and the stream is then no longer good,
// and a read at the end of the file while still good delivers an empty line.
// The file is read in large blocks and lines are handed out as views into the
// block, so reading a line neither copies nor allocates.

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace rtfcre {

class CLineReader
{
public:
    CLineReader() = default;
    CLineReader(const CLineReader&) = delete;
    CLineReader& operator=(const CLineReader&) = delete;
    ~CLineReader();

    /// Opens the file; on failure the stream stays not good and OpenError() tells why.
    bool Open(const std::filesystem::path& path);
    void Close();
    /// Back to the start of the file with a good stream, if it is open.
    void Rewind();

    /// The next line, valid until the next call. False (line untouched) when the
    /// stream is no longer good.
    bool ReadLine(std::string_view& line);

    bool Good() const { return m_bGood; }
    bool IsOpen() const { return m_nFd >= 0; }
    int OpenError() const { return m_nOpenError; }
    /// The errno of a failed read, which ended the stream; 0 when none failed.
    int ReadError() const { return m_nReadError; }
    /// Number of the line last delivered, from 1; 0 before the first.
    std::int64_t LineNumber() const { return m_nLine; }
    /// Bytes of the file consumed by the lines delivered so far.
    std::uint64_t Position() const { return m_nBufferOffset + m_nBegin; }
    std::uint64_t FileSize() const { return m_nFileSize; }

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
