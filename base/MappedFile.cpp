#include "base/MappedFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace base {

namespace {

constexpr std::size_t kReadBlock = 1024 * 1024;
constexpr std::size_t kLargePage = 2 * 1024 * 1024;

std::size_t PageSize()
{
    static const auto nPage = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    return nPage;
}

} // namespace

CMappedFile::~CMappedFile()
{
    Close();
}

bool CMappedFile::Open(const std::filesystem::path& path)
{
    Close();
    const int nFile = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (nFile < 0) {
        m_nOpenError = errno;
        return false;
    }
    struct stat info
    {
    };
    const bool bRegular = ::fstat(nFile, &info) == 0 && S_ISREG(info.st_mode);
    if (!bRegular || info.st_size <= 0 || !Map(nFile, static_cast<std::size_t>(info.st_size)))
        ReadWhole(nFile);
    ::close(nFile);
    m_bOpen = true;
    return true;
}

// The file goes over the middle of an area of zero pages, which gives the
// margins; the page that holds the file's end reads as zeros after it. Its
// start is aligned as a large page is: the system keeps large files in the
// page cache in large pieces, and pages of a piece mapped out of line with it
// come back as soon as they are dropped.
bool CMappedFile::Map(int nFile, std::size_t nSize)
{
    const std::size_t nPage = PageSize();
    const std::size_t nFilePages = (nSize + nPage - 1) / nPage * nPage;
    const std::size_t nMappingSize = kLargePage + nFilePages + nPage;
    void* pMapping = ::mmap(nullptr, nMappingSize, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pMapping == MAP_FAILED)
        return false;
    const auto nArea = reinterpret_cast<std::uintptr_t>(pMapping);
    char* pFile =
        reinterpret_cast<char*>((nArea + nPage + kLargePage - 1) / kLargePage * kLargePage);
    if (::mmap(pFile, nSize, PROT_READ, MAP_PRIVATE | MAP_FIXED, nFile, 0) == MAP_FAILED) {
        ::munmap(pMapping, nMappingSize);
        return false;
    }
    // Read ahead generously; pages behind are dropped by the reader as it goes.
    ::madvise(pFile, nSize, MADV_SEQUENTIAL);
    m_pMapping = pMapping;
    m_nMappingSize = nMappingSize;
    m_pData = pFile;
    m_nSize = nSize;
    return true;
}

void CMappedFile::ReadWhole(int nFile)
{
    std::size_t nUsed = kMargin;
    for (;;) {
        if (m_bytes.size() < nUsed + kReadBlock + kMargin)
            m_bytes.resize(nUsed + kReadBlock + kMargin);
        const ssize_t nRead = ::read(nFile, m_bytes.data() + nUsed, kReadBlock);
        if (nRead > 0) {
            nUsed += static_cast<std::size_t>(nRead);
        } else if (nRead == 0) {
            break;
        } else if (errno != EINTR) {
            m_nReadError = errno;
            break;
        }
    }
    m_bytes.resize(nUsed + kMargin);
    m_bytes.shrink_to_fit();
    std::fill(m_bytes.end() - kMargin, m_bytes.end(), '\0');
    m_pData = m_bytes.data() + kMargin;
    m_nSize = nUsed - kMargin;
}

void CMappedFile::Close()
{
    if (m_pMapping != nullptr)
        ::munmap(m_pMapping, m_nMappingSize);
    m_pMapping = nullptr;
    m_nMappingSize = 0;
    m_pData = nullptr;
    m_nSize = 0;
    std::vector<char>().swap(m_bytes);
    m_bOpen = false;
    m_nOpenError = 0;
    m_nReadError = 0;
}

void CMappedFile::Drop(std::size_t nFrom, std::size_t nTo) const
{
    if (m_pMapping == nullptr)
        return;
    const std::size_t nPage = PageSize();
    const std::size_t nFirst = nFrom / nPage * nPage;
    const std::size_t nEnd = std::min(nTo, m_nSize) / nPage * nPage;
    if (nEnd > nFirst)
        ::madvise(const_cast<char*>(m_pData) + nFirst, nEnd - nFirst, MADV_DONTNEED);
}

} // namespace base
