#include "cli/OutputBuffer.h"

#include "rtfcre/AnsiText.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <unistd.h>

namespace {

constexpr std::size_t kBufferSize = 1024 * 1024;
constexpr std::size_t kNumberRoom = 24;

} // namespace

COutputBuffer::COutputBuffer(int nFile) : m_nFile(nFile), m_buffer(kBufferSize) {}

void COutputBuffer::Reserve(std::size_t nBytes)
{
    if (m_buffer.size() - m_nUsed < nBytes)
        Flush();
    if (m_buffer.size() < nBytes)
        m_buffer.resize(nBytes);
}

COutputBuffer& COutputBuffer::operator<<(std::string_view text)
{
    Reserve(text.size());
    std::memcpy(m_buffer.data() + m_nUsed, text.data(), text.size());
    m_nUsed += text.size();
    return *this;
}

COutputBuffer& COutputBuffer::operator<<(std::wstring_view text)
{
    Reserve(text.size());
    for (wchar_t ch : text)
        m_buffer[m_nUsed++] = rtfcre::WideCharToAnsi(ch);
    return *this;
}

COutputBuffer& COutputBuffer::operator<<(char ch)
{
    Reserve(1);
    m_buffer[m_nUsed++] = ch;
    return *this;
}

COutputBuffer& COutputBuffer::operator<<(std::int64_t nValue)
{
    Reserve(kNumberRoom);
    char* pStart = m_buffer.data() + m_nUsed;
    m_nUsed +=
        static_cast<std::size_t>(std::to_chars(pStart, pStart + kNumberRoom, nValue).ptr - pStart);
    return *this;
}

bool COutputBuffer::Flush()
{
    std::size_t nDone = 0;
    while (nDone < m_nUsed && !m_bFailed) {
        const ssize_t nWritten = ::write(m_nFile, m_buffer.data() + nDone, m_nUsed - nDone);
        if (nWritten > 0)
            nDone += static_cast<std::size_t>(nWritten);
        else if (nWritten == 0 || errno != EINTR)
            m_bFailed = true;
    }
    m_nUsed = 0;
    return !m_bFailed;
}
