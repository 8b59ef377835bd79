#pragma once
// Output gathered in a large buffer and handed to a file in big writes: a file
// of a million strokes would otherwise spend its time in small writes. The
// first failed write is remembered and nothing reaches the file after it, so
// Flush and Error tell of a failure however late it surfaced.

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace base {

class CBufferedWriter
{
public:
    /// The widest number PutNumber writes.
    static constexpr std::size_t kNumberRoom = 20;

    CBufferedWriter();
    /// Writes to nFile (which stays the caller's) at its current position; with
    /// bWriteback each full buffer written starts going out to the disk at once,
    /// so that a later sync finds less left to do.
    explicit CBufferedWriter(int nFile, bool bWriteback = false);
    CBufferedWriter(const CBufferedWriter&) = delete;
    CBufferedWriter& operator=(const CBufferedWriter&) = delete;

    /// Starts over on another file, forgetting what was gathered and any failure.
    void Attach(int nFile, bool bWriteback);

    /// Space for nBytes more at the end of the output; End keeps what was put up to pEnd.
    char* Room(std::size_t nBytes)
    {
        if (m_buffer.size() - m_nUsed < nBytes)
            MakeRoom(nBytes);
        return m_buffer.data() + m_nUsed;
    }
    void End(const char* pEnd) { m_nUsed = static_cast<std::size_t>(pEnd - m_buffer.data()); }

    static char* PutBytes(char* pOut, std::string_view bytes)
    {
        std::memcpy(pOut, bytes.data(), bytes.size());
        return pOut + bytes.size();
    }
    /// The text as 8-bit text of the file's code page, one byte a character.
    static char* PutText(char* pOut, std::wstring_view text);
    /// As "%d"; needs kNumberRoom bytes of room.
    template <typename Integer> static char* PutNumber(char* pOut, Integer nValue)
    {
        return std::to_chars(pOut, pOut + kNumberRoom, nValue).ptr;
    }

    CBufferedWriter& operator<<(std::string_view bytes);
    CBufferedWriter& operator<<(std::wstring_view text); ///< as PutText
    CBufferedWriter& operator<<(char ch);
    CBufferedWriter& operator<<(std::int64_t nValue);

    /// Writes what is gathered; false when any write to this file has failed.
    bool Flush();
    /// Writes what is gathered, then bytes with a write of their own: output
    /// gathered elsewhere is not copied again. False when any write to this
    /// file has failed.
    bool Write(std::string_view bytes);
    /// The errno of the first failed write; 0 while none failed.
    int Error() const { return m_nError; }

private:
    void MakeRoom(std::size_t nBytes);
    void WriteOut(const char* pBytes, std::size_t nBytes);

    int m_nFile = -1;
    bool m_bWriteback = false;
    int m_nError = 0;
    std::vector<char> m_buffer;
    std::size_t m_nUsed = 0;
    std::size_t m_nFlushed = 0; ///< bytes handed to the file so far
};

} // namespace base
