#pragma once
// Standard output gathered into large writes: a dump of a million strokes
// would otherwise spend its time in small writes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class COutputBuffer
{
public:
    explicit COutputBuffer(int nFile);
    COutputBuffer(const COutputBuffer&) = delete;
    COutputBuffer& operator=(const COutputBuffer&) = delete;

    COutputBuffer& operator<<(std::string_view text);
    COutputBuffer& operator<<(std::wstring_view text); ///< as 8-bit text of the file's code page
    COutputBuffer& operator<<(char ch);
    COutputBuffer& operator<<(std::int64_t nValue);

    /// Writes what is gathered; false when any write failed.
    bool Flush();

private:
    void Reserve(std::size_t nBytes);

    int m_nFile;
    bool m_bFailed = false;
    std::vector<char> m_buffer;
    std::size_t m_nUsed = 0;
};
