#pragma once
// A file's bytes in memory for one pass from start to end: mapped where the
// system can map the file, read whole where it cannot (a pipe, a file the
// system reports empty). Pages of a mapped file already passed over can be
// dropped from memory, so a pass over a huge file keeps only a window of it
// resident; reading dropped bytes again maps them again, unchanged. Either
// way kMargin bytes before and after the data are readable, so that a reader
// may load whole words around the text it looks at.

#include <cstddef>
#include <filesystem>
#include <vector>

namespace base {

class CMappedFile
{
public:
    static constexpr std::size_t kMargin = 64;

    CMappedFile() = default;
    CMappedFile(const CMappedFile&) = delete;
    CMappedFile& operator=(const CMappedFile&) = delete;
    ~CMappedFile();

    /// Maps or reads the file; false, with OpenError() telling why, when it
    /// cannot be opened. A read that fails part way keeps the bytes read
    /// before, and ReadError() tells why it stopped.
    bool Open(const std::filesystem::path& path);
    void Close();

    const char* Data() const { return m_pData; }
    std::size_t Size() const { return m_nSize; }
    bool IsOpen() const { return m_bOpen; }
    bool IsMapped() const { return m_pMapping != nullptr; }
    int OpenError() const { return m_nOpenError; }
    int ReadError() const { return m_nReadError; }

    /// Lets the pages of bytes [nFrom, nTo) leave memory, the one holding nFrom
    /// too, the one holding nTo not. Does nothing for a file that was read
    /// rather than mapped.
    void Drop(std::size_t nFrom, std::size_t nTo) const;

private:
    bool Map(int nFile, std::size_t nSize);
    void ReadWhole(int nFile);

    bool m_bOpen = false;
    int m_nOpenError = 0;
    int m_nReadError = 0;
    void* m_pMapping = nullptr; ///< the file's pages between a page of zeros on either side
    std::size_t m_nMappingSize = 0;
    const char* m_pData = nullptr;
    std::size_t m_nSize = 0;
    std::vector<char> m_bytes; ///< the file's bytes when it was read
};

} // namespace base
