#include "rtfcre/LineReader.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rtfcre {

namespace {

// Large enough that reading costs little next to parsing, small enough to stay in cache.
constexpr std::size_t kBlockSize = 256 * 1024;
constexpr char kEndOfFileByte = 0x1A;

} // namespace

CLineReader::~CLineReader()
{
    Close();
}

bool CLineReader::Open(const std::filesystem::path& path)
{
    Close();
    m_nFd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_nFd < 0) {
        m_nOpenError = errno;
        return false;
    }
    struct stat info
    {
    };
    if (::fstat(m_nFd, &info) == 0 && S_ISREG(info.st_mode))
        m_nFileSize = static_cast<std::uint64_t>(info.st_size);
    // A small file needs no large block; Fill grows the buffer for long lines.
    m_buffer.resize(m_nFileSize > 0 && m_nFileSize < kBlockSize
                        ? static_cast<std::size_t>(m_nFileSize) + 1
                        : kBlockSize);
    Rewind();
    return true;
}

void CLineReader::Close()
{
    if (m_nFd >= 0)
        ::close(m_nFd);
    m_nFd = -1;
    m_bGood = false;
}

void CLineReader::Rewind()
{
    if (m_nFd < 0)
        return;
    m_bGood = true;
    m_bDataEnded = false;
    m_nReadError = 0;
    m_nBegin = m_nEnd = m_nScanned = 0;
    m_nBufferOffset = 0;
    m_nLine = 0;
    if (::lseek(m_nFd, 0, SEEK_SET) < 0) {
        m_nReadError = errno;
        m_bDataEnded = true;
    }
}

bool CLineReader::ReadLine(std::string_view& line)
{
    if (!m_bGood)
        return false;
    for (;;) {
        const char* pStart = m_buffer.data() + m_nBegin;
        const auto* pFeed = static_cast<const char*>(
            std::memchr(pStart + m_nScanned, '\n', m_nEnd - m_nBegin - m_nScanned));
        if (pFeed != nullptr) {
            std::size_t nLength = static_cast<std::size_t>(pFeed - pStart);
            if (nLength > 0 && pStart[nLength - 1] == '\r')
                --nLength;
            line = std::string_view(pStart, nLength);
            m_nBegin = static_cast<std::size_t>(pFeed - m_buffer.data()) + 1;
            m_nScanned = 0;
            ++m_nLine;
            return true;
        }
        m_nScanned = m_nEnd - m_nBegin;
        if (m_bDataEnded) {
            DeliverLast(line);
            return true;
        }
        Fill();
    }
}

void CLineReader::DeliverLast(std::string_view& line)
{
    line = std::string_view(m_buffer.data() + m_nBegin, m_nEnd - m_nBegin);
    m_nBegin = m_nEnd;
    m_nScanned = 0;
    m_bGood = false;
    ++m_nLine;
}

// Keeps the unfinished line, moved to the front, and reads the next block behind it.
void CLineReader::Fill()
{
    const std::size_t nKept = m_nEnd - m_nBegin;
    if (m_nBegin > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_nBegin, nKept);
        m_nBufferOffset += m_nBegin;
        m_nBegin = 0;
        m_nEnd = nKept;
    }
    if (m_buffer.size() - m_nEnd < m_buffer.size() / 2)
        m_buffer.resize(m_buffer.size() * 2);
    ssize_t nRead = 0;
    do {
        nRead = ::read(m_nFd, m_buffer.data() + m_nEnd, m_buffer.size() - m_nEnd);
    } while (nRead < 0 && errno == EINTR);
    if (nRead <= 0) {
        if (nRead < 0)
            m_nReadError = errno;
        m_bDataEnded = true;
        return;
    }
    const char* pNew = m_buffer.data() + m_nEnd;
    const auto* pStop = static_cast<const char*>(
        std::memchr(pNew, kEndOfFileByte, static_cast<std::size_t>(nRead)));
    m_nEnd +=
        pStop != nullptr ? static_cast<std::size_t>(pStop - pNew) : static_cast<std::size_t>(nRead);
    if (pStop != nullptr)
        m_bDataEnded = true;
}

} // namespace rtfcre
