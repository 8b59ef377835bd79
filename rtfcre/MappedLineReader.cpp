#include "rtfcre/MappedLineReader.h"

#include "base/NumberList.h"

#include <algorithm>
#include <cstring>

namespace rtfcre {

namespace {

constexpr char kEndOfFileByte = 0x1A;
// The end byte is looked for a block ahead of the line search, which then
// finds the block still in cache.
constexpr std::size_t kCheckBlock = 256 * 1024;
// Dropping pages costs a system call: it waits until this much can go at once.
constexpr std::size_t kDropStep = 1024 * 1024;
// A line longer than this is not held in memory while its end is searched.
constexpr std::size_t kLongLine = 8 * 1024 * 1024;

const char* FindByte(const char* p, char ch, std::size_t nBytes)
{
    return nBytes == 0 ? nullptr : static_cast<const char*>(std::memchr(p, ch, nBytes));
}

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
    m_bDataEnded = false;
    m_nBegin = m_nLineStart = m_nScanned = m_nChecked = 0;
    m_nDropped = 0;
    m_nLine = 0;
}

int CMappedLineReader::ReadError() const
{
    // A failed read of an unmapped file shows once the lines reach where it failed.
    return m_bDataEnded && m_nChecked == m_file.Size() ? m_file.ReadError() : 0;
}

bool CMappedLineReader::ReadLine(std::string_view& line)
{
    if (!m_bGood)
        return false;
    const char* pData = m_file.Data();
    for (;;) {
        const char* pStart = pData + m_nBegin;
        const char* pSearched = pStart + m_nScanned;
        const char* pFeed = FindByte(pSearched, '\n', m_nChecked - m_nBegin - m_nScanned);
        if (pFeed != nullptr) {
            std::size_t nLength = static_cast<std::size_t>(pFeed - pStart);
            if (nLength > 0 && pStart[nLength - 1] == '\r')
                --nLength;
            line = std::string_view(pStart, nLength);
            m_nLineStart = m_nBegin;
            m_nBegin = static_cast<std::size_t>(pFeed - pData) + 1;
            m_nScanned = 0;
            ++m_nLine;
            DropBehind();
            return true;
        }
        m_nScanned = m_nChecked - m_nBegin;
        if (m_bDataEnded) {
            DeliverLast(line);
            return true;
        }
        if (m_nScanned > kLongLine)
            Forget(std::string_view(pSearched,
                                    static_cast<std::size_t>(pData + m_nChecked - pSearched)));
        CheckAhead();
    }
}

void CMappedLineReader::DeliverLast(std::string_view& line)
{
    line = std::string_view(m_file.Data() + m_nBegin, m_nChecked - m_nBegin);
    m_nLineStart = m_nBegin;
    m_nBegin = m_nChecked;
    m_nScanned = 0;
    m_bGood = false;
    ++m_nLine;
}

// Moves the end of the checked bytes a block on, or to the data's end.
void CMappedLineReader::CheckAhead()
{
    const std::size_t nBlock = std::min(kCheckBlock, m_file.Size() - m_nChecked);
    const char* pBlock = m_file.Data() + m_nChecked;
    const char* pStop = FindByte(pBlock, kEndOfFileByte, nBlock);
    m_nChecked += pStop != nullptr ? static_cast<std::size_t>(pStop - pBlock) : nBlock;
    if (pStop != nullptr || m_nChecked == m_file.Size())
        m_bDataEnded = true;
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
