#include "base/BufferedWriter.h"

#include "base/AnsiText.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace base {

namespace {

// The buffer starts small, for small files, and grows to its full size before
// anything is written in mid-file.
constexpr std::size_t kFirstBufferSize = 64 * 1024;
constexpr std::size_t kBufferSize = 1024 * 1024;

// Only a hint: where the system has no such call, or the file is a pipe, nothing happens.
void StartWriteback(int nFile, std::size_t nOffset, std::size_t nBytes)
{
#ifdef __linux__
    (void)sync_file_range(nFile, static_cast<off_t>(nOffset), static_cast<off_t>(nBytes),
                          SYNC_FILE_RANGE_WRITE);
#else
    (void)nFile;
    (void)nOffset;
    (void)nBytes;
#endif
}

} // namespace

CBufferedWriter::CBufferedWriter() : m_buffer(kFirstBufferSize) {}

CBufferedWriter::CBufferedWriter(int nFile, bool bWriteback) : CBufferedWriter()
{
    Attach(nFile, bWriteback);
}

void CBufferedWriter::Attach(int nFile, bool bWriteback)
{
    m_nFile = nFile;
    m_bWriteback = bWriteback;
    m_nError = 0;
    m_nUsed = 0;
    m_nFlushed = 0;
}

void CBufferedWriter::MakeRoom(std::size_t nBytes)
{
    if (m_buffer.size() < kBufferSize)
        m_buffer.resize(std::max(m_buffer.size() * 2, m_nUsed + nBytes));
    else
        Flush();
    if (m_buffer.size() - m_nUsed < nBytes)
        m_buffer.resize(m_nUsed + nBytes);
}

char* CBufferedWriter::PutText(char* pOut, std::wstring_view text)
{
    for (wchar_t ch : text)
        *pOut++ = WideCharToAnsi(ch);
    return pOut;
}

CBufferedWriter& CBufferedWriter::operator<<(std::string_view bytes)
{
    End(PutBytes(Room(bytes.size()), bytes));
    return *this;
}

CBufferedWriter& CBufferedWriter::operator<<(std::wstring_view text)
{
    End(PutText(Room(text.size()), text));
    return *this;
}

CBufferedWriter& CBufferedWriter::operator<<(char ch)
{
    char* pOut = Room(1);
    *pOut = ch;
    End(pOut + 1);
    return *this;
}

CBufferedWriter& CBufferedWriter::operator<<(std::int64_t nValue)
{
    End(PutNumber(Room(kNumberRoom), nValue));
    return *this;
}

bool CBufferedWriter::Flush()
{
    WriteOut(m_buffer.data(), m_nUsed);
    // After a failure nothing more reaches the file: what it holds is incomplete anyway.
    m_nUsed = 0;
    return m_nError == 0;
}

bool CBufferedWriter::Write(std::string_view bytes)
{
    Flush();
    WriteOut(bytes.data(), bytes.size());
    return m_nError == 0;
}

void CBufferedWriter::WriteOut(const char* pBytes, std::size_t nBytes)
{
    std::size_t nDone = 0;
    while (nDone < nBytes && m_nError == 0) {
        const ssize_t nWritten = ::write(m_nFile, pBytes + nDone, nBytes - nDone);
        if (nWritten > 0)
            nDone += static_cast<std::size_t>(nWritten);
        else if (nWritten == 0)
            m_nError = EIO;
        else if (errno != EINTR)
            m_nError = errno;
    }
    if (m_bWriteback && m_nError == 0)
        StartWriteback(m_nFile, m_nFlushed, nBytes);
    m_nFlushed += nBytes;
}

} // namespace base
