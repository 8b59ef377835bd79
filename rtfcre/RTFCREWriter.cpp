#include "rtfcre/RTFCREWriter.h"

#include "rtfcre/AnsiText.h"
#include "rtfcre/FileException.h"
#include "rtfcre/LocalTime.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

using namespace rtfcre;

namespace {

// The buffer starts small, for small documents, and grows to its full size
// before anything is written in mid-file.
constexpr std::size_t kFirstBufferSize = 64 * 1024;
constexpr std::size_t kBufferSize = 1024 * 1024;
// Everything of a stroke's lines except its two steno texts: fixed text, three
// time fields, 24 values of up to 5 digits, 24 pairs of up to 11 characters each.
constexpr std::size_t kStrokeRoom = 64 + 3 * 11 + 24 * 6 + 24 * 24;
constexpr int kFileMode = 0666;

// Starts writing the bytes just handed to the file out to the disk, without
// waiting: the sync that ends a safe save then finds less left to do. Only a
// hint; where the system has no such call, or the file is a pipe, nothing happens.
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

char* PutBytes(char* pOut, std::string_view bytes)
{
    std::memcpy(pOut, bytes.data(), bytes.size());
    return pOut + bytes.size();
}

char* PutText(char* pOut, std::wstring_view text)
{
    for (wchar_t ch : text)
        *pOut++ = WideCharToAnsi(ch);
    return pOut;
}

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

int DigitCount(std::uint32_t nValue)
{
    int nDigits = 1;
    for (std::uint64_t nPower = 10; nValue >= nPower; nPower *= 10)
        ++nDigits;
    return nDigits;
}

// As "%d", written from the last digit back, two digits a step: a stroke has
// 75 numbers. Room() always leaves space for the widest one.
char* PutNumber(char* pOut, std::int32_t nValue)
{
    if (nValue < 0)
        *pOut++ = '-';
    auto nMagnitude =
        nValue < 0 ? 0u - static_cast<std::uint32_t>(nValue) : static_cast<std::uint32_t>(nValue);
    char* pEnd = pOut + DigitCount(nMagnitude);
    char* pDigit = pEnd;
    while (nMagnitude >= 100) {
        pDigit -= 2;
        std::memcpy(pDigit, kDigitPairs + 2 * (nMagnitude % 100), 2);
        nMagnitude /= 100;
    }
    if (nMagnitude >= 10) {
        pDigit -= 2;
        std::memcpy(pDigit, kDigitPairs + 2 * nMagnitude, 2);
    } else {
        *--pDigit = static_cast<char>('0' + nMagnitude);
    }
    return pEnd;
}

} // namespace

CRTFCREWriter::CRTFCREWriter() : m_buffer(kFirstBufferSize) {}

CRTFCREWriter::~CRTFCREWriter()
{
    if (m_bOpen) {
        try {
            Finish();
        } catch (const CFileException&) {
            // Finish already remembered the failure; a destructor cannot report it.
        }
    }
    CloseFile();
}

void CRTFCREWriter::Open(const std::filesystem::path& path)
{
    const int nFile = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kFileMode);
    if (nFile < 0)
        throw CFileException::FromErrno("cannot create", errno);
    Attach(nFile, path);
}

void CRTFCREWriter::Attach(int nFile, const std::filesystem::path& path)
{
    CloseFile();
    m_file = nFile;
    m_bOpen = true;
    m_strPath = path;
    m_strFailure.clear();
    m_nUsed = 0;
    m_nFlushed = 0;
}

void CRTFCREWriter::Fail(const char* what, int nError)
{
    if (m_strFailure.empty())
        m_strFailure = CFileException::FromErrno(what, nError).what();
}

void CRTFCREWriter::ThrowIfFailed() const
{
    if (Failed())
        throw CFileException(m_strFailure);
}

void CRTFCREWriter::Flush()
{
    std::size_t nDone = 0;
    while (nDone < m_nUsed && !Failed()) {
        const ssize_t nWritten = ::write(m_file, m_buffer.data() + nDone, m_nUsed - nDone);
        if (nWritten > 0)
            nDone += static_cast<std::size_t>(nWritten);
        else if (nWritten < 0 && errno != EINTR)
            Fail("cannot write", errno);
        else if (nWritten == 0)
            Fail("cannot write", EIO);
    }
    if (!Failed())
        StartWriteback(m_file, m_nFlushed, m_nUsed);
    m_nFlushed += m_nUsed;
    // After a failure nothing more reaches the file: the save has failed as a whole.
    m_nUsed = 0;
}

char* CRTFCREWriter::Room(std::size_t nBytes)
{
    if (m_buffer.size() - m_nUsed >= nBytes)
        return m_buffer.data() + m_nUsed;
    if (m_buffer.size() < kBufferSize)
        m_buffer.resize(std::max(m_buffer.size() * 2, m_nUsed + nBytes));
    else
        Flush();
    if (m_buffer.size() - m_nUsed < nBytes)
        m_buffer.resize(m_nUsed + nBytes);
    return m_buffer.data() + m_nUsed;
}

void CRTFCREWriter::Put(std::string_view bytes)
{
    char* pOut = Room(bytes.size());
    m_nUsed = static_cast<std::size_t>(PutBytes(pOut, bytes) - m_buffer.data());
}

void CRTFCREWriter::CloseFile()
{
    if (m_file < 0)
        return;
    if (::close(m_file) != 0)
        Fail("cannot close", errno);
    m_file = -1;
}

void CRTFCREWriter::WriteHeader(std::wstring_view strSystemName, std::wstring_view strSystemText,
                                std::int64_t time)
{
    if (m_bHeaderWritten)
        return;
    if (!m_bOpen)
        throw CFileException("the file is not open");
    Put("{\\rtf1\\pc\n{\\*\\cxrev100}\n{\\*\\cxnotes}\n{\\*\\cxsystem {\\i ");
    char* pOut = Room(strSystemName.size() + strSystemText.size() + kStrokeRoom);
    pOut = PutText(pOut, strSystemName);
    pOut = PutBytes(pOut, "} ");
    pOut = PutText(pOut, strSystemText);
    pOut = PutBytes(pOut, "}\n{\\info\n{\\creatim\\yr");
    pOut = PutNumber(pOut, LocalYear(time));
    pOut = PutBytes(pOut, "\\mo");
    pOut = PutNumber(pOut, LocalMonth(time));
    pOut = PutBytes(pOut, "\\da");
    pOut = PutNumber(pOut, LocalDay(time));
    pOut = PutBytes(pOut, "}\n}\n");
    m_nUsed = static_cast<std::size_t>(pOut - m_buffer.data());
    m_bHeaderWritten = true;
    Flush();
    ThrowIfFailed();
}

bool CRTFCREWriter::WriteStroke(std::wstring_view strSteno, std::wstring_view strRawSteno,
                                std::int64_t time, const KeyValues& keyValues,
                                const KeyTimes& keyTimes)
{
    if (!m_bOpen)
        return false;
    if (!m_bHeaderWritten) {
        try {
            WriteHeader(L"unknown", L"unknown", std::time(nullptr));
        } catch (const CFileException&) {
            return false;
        }
    }
    int nHour = 0;
    int nMinute = 0;
    int nSecond = 0;
    m_clock.SplitTime(time, nHour, nMinute, nSecond);

    char* pOut = Room(strSteno.size() + strRawSteno.size() + kStrokeRoom);
    pOut = PutBytes(pOut, "{\\*\\cxs ");
    pOut = PutText(pOut, strSteno);
    pOut = PutBytes(pOut, "}\n{\\*\\cxsf ");
    pOut = PutText(pOut, strRawSteno);
    pOut = PutBytes(pOut, "}\n{\\*\\cxt ");
    pOut = PutNumber(pOut, nHour);
    *pOut++ = ':';
    pOut = PutNumber(pOut, nMinute);
    *pOut++ = ':';
    pOut = PutNumber(pOut, nSecond);
    pOut = PutBytes(pOut, ":0}\n{\\*\\cxsp");
    for (std::uint16_t nValue : keyValues) {
        *pOut++ = ' ';
        pOut = PutNumber(pOut, nValue);
    }
    pOut = PutBytes(pOut, "}\n{\\*\\cxspt");
    for (const KeyTime& keyTime : keyTimes) {
        *pOut++ = ' ';
        pOut = PutNumber(pOut, keyTime.nLow);
        *pOut++ = ',';
        pOut = PutNumber(pOut, keyTime.nHigh);
    }
    pOut = PutBytes(pOut, "}\n");
    m_nUsed = static_cast<std::size_t>(pOut - m_buffer.data());
    if (Failed())
        return false;
    m_bStrokeWritten = true;
    return true;
}

void CRTFCREWriter::Finish()
{
    if (m_bOpen) {
        Put("}\r\n");
        Flush();
        if (m_bSyncOnFinish && !Failed() && ::fsync(m_file) != 0)
            Fail("cannot sync", errno);
        m_bOpen = false;
        CloseFile();
    }
    ThrowIfFailed();
}
