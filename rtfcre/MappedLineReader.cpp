#include "rtfcre/MappedLineReader.h"

#include "base/ByteSearch.h"
#include "base/NumberList.h"

#include <algorithm>

namespace rtfcre {

namespace {

constexpr char kEndOfFileByte = 0x1A;
// A line's end is searched for a step at a time, so that a long line can be
// let go of as it is searched.
constexpr std::size_t kSearchStep = 1024 * 1024;
// Dropping pages costs a system call: it waits until this much can go at once.
constexpr std::size_t kDropStep = 512 * 1024;
// A line longer than this is not held in memory while its end is searched.
constexpr std::size_t kLongLine = 8 * 1024 * 1024;

static_assert(base::CMappedFile::kMargin >= base::kNumberListMargin);

} // namespace

bool CMappedLineReader::Open(const std::filesystem::path& path)
{
    if (!m_file.Open(path)) {
        m_bGood = false;
        return false;
    }
    Rewind();
    return true;
}

void CMappedLineReader::KeepFrom(const char* p)
{
    m_nKeep = p == nullptr ? m_nLineStart : static_cast<std::size_t>(p - m_file.Data());
}

void CMappedLineReader::Rewind()
{
    if (!m_file.IsOpen())
        return;
    m_bGood = true;
    m_bDataRead = false;
    m_nBegin = m_nLineStart = 0;
    m_nDropped = 0;
    m_nLine = 0;
}

int CMappedLineReader::ReadError() const
{
    // A failed read of an unmapped file shows once the lines reach where it failed.
    return m_bDataRead ? m_file.ReadError() : 0;
}

bool CMappedLineReader::ReadLine(std::string_view& line)
{
    if (!m_bGood)
        return false;
    const char* pData = m_file.Data();
    const char* pStart = pData + m_nBegin;
    for (std::size_t nFrom = m_nBegin;;) {
        const std::size_t nTo = std::min(m_file.Size(), nFrom + kSearchStep);
        const char* pFound = base::FindEitherByte(pData + nFrom, pData + nTo, '\n', kEndOfFileByte);
        if (pFound != nullptr && *pFound == '\n') {
            DeliverLine(line, pStart, pFound);
            return true;
        }
        if (pFound != nullptr || nTo == m_file.Size()) {
            // The end byte or the end of the file ends the data and this line.
            m_bDataRead = pFound == nullptr;
            DeliverLast(line, pStart, pFound != nullptr ? pFound : pData + nTo);
            return true;
        }
        if (nTo - m_nBegin > kLongLine)
            Forget(std::string_view(pData + nFrom, nTo - nFrom));
        nFrom = nTo;
    }
}

void CMappedLineReader::DeliverLine(std::string_view& line, const char* pStart, const char* pFeed)
{
    std::size_t nLength = static_cast<std::size_t>(pFeed - pStart);
    if (nLength > 0 && pStart[nLength - 1] == '\r')
        --nLength;
    line = std::string_view(pStart, nLength);
    m_nLineStart = m_nBegin;
    m_nBegin = static_cast<std::size_t>(pFeed - m_file.Data()) + 1;
    ++m_nLine;
    DropBehind();
}

void CMappedLineReader::DeliverLast(std::string_view& line, const char* pStart, const char* pEnd)
{
    line = std::string_view(pStart, static_cast<std::size_t>(pEnd - pStart));
    m_nLineStart = m_nBegin;
    m_nBegin = static_cast<std::size_t>(pEnd - m_file.Data());
    m_bGood = false;
    ++m_nLine;
}

void CMappedLineReader::DropBehind()
{
    const std::size_t nLimit = std::min(m_nLineStart, m_nKeep);
    if (nLimit < m_nDropped + kDropStep)
        return;
    m_file.Drop(m_nDropped, nLimit);
    m_nDropped = nLimit;
}

void CMappedLineReader::Forget(std::string_view bytes)
{
    const auto nFrom = static_cast<std::size_t>(bytes.data() - m_file.Data());
    m_file.Drop(nFrom, nFrom + bytes.size());
}

} // namespace rtfcre
